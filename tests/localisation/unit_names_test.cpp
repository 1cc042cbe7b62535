#include "localisation/unit_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace mensurix {
namespace {

// A hand-edited file loads what it can: every well-formed entry, whatever surrounds it.
TEST(UnitNames, ReadsWellFormedEntriesAndPassesOverTheRest) {
    const std::string file = "\xEF\xBB\xBF; German unit names\r\n"
                             "Orphan (o)=before any section\r\n"
                             "[Length]\r\n"
                             "Foot (ft)=Fu\xC3\x9F (ft)\r\n"
                             "  inch (IN)  =  Zoll (in)  \r\n"
                             "Foot (ft)=second one loses\r\n"
                             "Mile (mi)=\r\n"
                             "no equals sign\r\n"
                             "=no name\r\n"
                             "Yard (yd)=\"Yard (yd)\"\r\n"
                             "[ mass ]\n"
                             "Pound (lb)=Pfund (lb)\n"
                             "[Broken\n"
                             "Ounce (oz)=Unze (oz)";
    const UnitNames names(file);
    struct Case {
        const char* category;
        const char* english;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"Length", "Foot (ft)", "Fu\xC3\x9F (ft)"},
        {"LENGTH", "Inch (in)", "Zoll (in)"},  // names in any case, blanks around dropped
        {"Length", "Mile (mi)", std::nullopt}, // an empty value keeps the English name
        {"Length", "Yard (yd)", "\"Yard (yd)\""},
        {"Mass", "Pound (lb)", "Pfund (lb)"},
        {"Mass", "Foot (ft)", std::nullopt}, // a name belongs to its category alone
        {"", "Orphan (o)", std::nullopt},
        {"Mass", "Ounce (oz)", "Unze (oz)"}, // a broken section line opens no section
        {"Length", "Furlong (fur)", std::nullopt},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.category) + "/" + row.english);
        const auto found = names.Find(row.category, row.english);
        EXPECT_EQ(found ? std::optional<std::string>(*found) : std::nullopt, row.expected);
        EXPECT_EQ(names.NameOf(row.category, row.english),
                  row.expected ? *row.expected : std::string(row.english));
    }
    EXPECT_EQ(UnitNames().NameOf("Length", "Foot (ft)"), "Foot (ft)");
    EXPECT_EQ(ReadUnitNames("/nonexistent/German.units").NameOf("Length", "Foot (ft)"),
              "Foot (ft)");
}

TEST(UnitNamesPathFor, TheLanguageFileWithAnotherEnding) {
    EXPECT_EQ(UnitNamesPathFor("data/Languages/German.isl"), "data/Languages/German.units");
    EXPECT_EQ(UnitNamesPathFor("C:\\M.1\\Languages\\French.isl"),
              "C:\\M.1\\Languages\\French.units");
    EXPECT_EQ(UnitNamesPathFor("dir.d/German"), "dir.d/German.units");
}

} // namespace
} // namespace mensurix
