#include "catalogue/catalogue_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

// One unit line read inside a category, with every field it should give.
struct LineCase {
    const char* line;
    bool isDefault;
    std::string name, factorFromBase, factorToBase, offset;
    bool offsetFirst;
};

TEST(CatalogueReader, UnitLineFields) {
    const std::vector<LineCase> cases = {
        {"*A=1", true, "A", "1", "", "", false},
        {"**X=1", true, "*X", "1", "", "", false},
        {" *X=1", false, " *X", "1", "", "", false},
        {"no equals sign", false, "", "", "", "", false},
        {"X=+273.15", false, "X", "", "", "273.15", true},
        {"X=2|0.5|+10", false, "X", "2", "0.5", "10", false},
        {"X=+-3|4|0.25", false, "X", "4", "0.25", "-3", true},
        {"X=1|2|3", false, "X", "1", "2", "", false},
        {"X=1|+5", false, "X", "1", "+5", "", false},
        {"X=+5|1|2|3", false, "X", "1", "2|3", "5", true},
        {"X=1|2|+5|6", false, "X", "1", "2", "5|6", false},
        {"X==1", false, "X", "=1", "", "", false},
        {"X=1|2|+", false, "X", "1", "2", "", false},
        {"X=+|1|2", false, "X", "1", "2", "", true},
        {"X=+5|7", false, "X", "7", "", "5", true},
        {"X=", false, "X", "", "", "", false},
        {"X= 1 | 2 ", false, "X", " 1 ", " 2 ", "", false},
        {"=5", false, "", "5", "", "", false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.line);
        const auto catalogue = ParseCatalogue(std::string("[C]\n") + row.line + "\n");
        ASSERT_EQ(catalogue.size(), 1U);
        ASSERT_EQ(catalogue[0].Units.size(), 1U);
        const auto& unit = catalogue[0].Units[0];
        EXPECT_EQ(unit.IsDefault, row.isDefault);
        EXPECT_EQ(unit.Name, row.name);
        EXPECT_EQ(unit.FactorFromBase, row.factorFromBase);
        EXPECT_EQ(unit.FactorToBase, row.factorToBase);
        EXPECT_EQ(unit.Offset, row.offset);
        EXPECT_EQ(unit.OffsetFirst, row.offsetFirst);
    }
}

TEST(CatalogueReader, HeaderNames) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"[Length]", "Length"},
        {"[Length] ", "Length]"},
        {"[Length", "Lengt"},
        {"[", ""},
        {"[]", ""},
        {"[a=b|c]", "a=b|c"},
    };
    for (const auto& [line, name] : cases) {
        SCOPED_TRACE(line);
        const auto catalogue = ParseCatalogue(line);
        ASSERT_EQ(catalogue.size(), 1U);
        EXPECT_EQ(catalogue[0].Name, name);
        EXPECT_TRUE(catalogue[0].Units.empty());
    }
}

TEST(CatalogueReader, StructureOfTheFile) {
    const auto catalogue = ParseCatalogue("X=1\nbefore any header\n"
                                          "[Length]\r\n*m=1|1\r\n"
                                          "\t \r\n"
                                          " [Length]\r"
                                          "km=0.001|1000\n"
                                          "[Length]\n"
                                          "a=1\na=1");
    ASSERT_EQ(catalogue.size(), 2U);
    EXPECT_EQ(catalogue[0].Name, "Length");
    ASSERT_EQ(catalogue[0].Units.size(), 3U);
    EXPECT_EQ(catalogue[0].Units[0].Name, "m");
    EXPECT_EQ(catalogue[0].Units[1].Name, "");
    EXPECT_EQ(catalogue[0].Units[1].FactorFromBase, "");
    EXPECT_EQ(catalogue[0].Units[2].Name, "km");
    EXPECT_EQ(catalogue[0].Units[2].FactorToBase, "1000");
    ASSERT_EQ(catalogue[1].Units.size(), 2U);
    EXPECT_EQ(catalogue[1].Units[1].FactorFromBase, "1");
}

TEST(CatalogueReader, LineEndsAndTerminators) {
    EXPECT_EQ(ParseCatalogue("[A]\r\nx=1\r\n\r\ny=2").at(0).Units.size(), 2U);
    EXPECT_EQ(ParseCatalogue("[A]\rx=1\ry=2\r").at(0).Units.size(), 2U);
    const auto cut = ParseCatalogue(std::string("[A]\nx=1\0\ny=2\n[B]\n", 18));
    ASSERT_EQ(cut.size(), 1U);
    EXPECT_EQ(cut[0].Units.size(), 1U);
    EXPECT_TRUE(ParseCatalogue("").empty());
    EXPECT_TRUE(ParseCatalogue("a=1\nb=2\n").empty());
}

TEST(CatalogueReader, ByteOrderMarkIsDropped) {
    const auto catalogue = ParseCatalogue("\xEF\xBB\xBF[Length]\n*m=1|1\n");
    ASSERT_EQ(catalogue.size(), 1U);
    EXPECT_EQ(catalogue[0].Name, "Length");
}

TEST(CatalogueReader, MissingFileRaisesTheOpenError) {
    const std::string path = "no-such-directory/Units.dat";
    try {
        ReadCatalogueFile(path);
        FAIL() << "no error raised";
    } catch (const std::exception& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind("Cannot open file \"" + path + "\". ", 0), 0U) << message;
        EXPECT_GT(message.size(), path.size() + 20);
    }
}

TEST(ClearCatalogue, EmptiesEverything) {
    auto catalogue = ParseCatalogue("[A]\nx=1\n[B]\ny=1\n");
    ClearCatalogue(catalogue);
    EXPECT_TRUE(catalogue.empty());
}

} // namespace
} // namespace mensurix
