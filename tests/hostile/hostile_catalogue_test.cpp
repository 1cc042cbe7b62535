#include "hostile_fixture.h"

#include "decimal/decimal_text.h"

#include <QLabel>

namespace mensurix::testing {
namespace {

class HostileCatalogue : public HostileFixture {
protected:
    QString CannotOpen() const {
        return "Cannot open file \"" + QString::fromStdString(ProgramDir()) + "Units.dat\". ";
    }
};

// About 50 MB in 1,540 categories of 500 units each, all of which arrive in the lists.
TEST_F(HostileCatalogue, FiftyMegabytesOpenWhole) {
    constexpr int Categories = 1540;
    constexpr int UnitsEach = 500;
    const std::string units =
        "*Base=1|1\n" +
        Repeated("Foot of a long list=3.280839895013123359580052493438320209974|0.3048\n",
                 UnitsEach - 1);
    std::string file;
    file.reserve(static_cast<std::size_t>(Categories) * (units.size() + 20));
    for (int c = 0; c < Categories; ++c) {
        file += "[Category " + std::to_string(c) + "]\n" + units;
    }
    ASSERT_GT(file.size(), 50U << 20);
    WriteFile("Units.dat", file);

    Open();
    EXPECT_TRUE(reported_.empty());
    ASSERT_EQ(Units()->count(), Categories);
    EXPECT_EQ(Units()->itemText(Categories - 1), "Category 1539");
    EXPECT_EQ(ProgramCatalogue().back().Units.size(), static_cast<std::size_t>(UnitsEach));
    EXPECT_EQ(Grid()->rowCount(), UnitsEach);
    Value()->setText("2");
    EXPECT_EQ(Cell(1, UnitsEach - 1), "6.56167979");
    Choose(Units(), Categories - 1);
    EXPECT_EQ(Cell(0, UnitsEach - 1), "Foot of a long list");
    EXPECT_EQ(Cell(1, UnitsEach - 1), "6.56167979");
}

// A factor of ten million digits: the table shows it whole, and the lines after it are read.
TEST_F(HostileCatalogue, TenMegabyteLine) {
    const std::size_t digits = 10U << 20;
    WriteFile("Units.dat", "[Long]\n*Base=1|1\nHuge=" + std::string(digits, '1') +
                               "|1\nAfter=2|0.5\n[Next]\n*Other=1\n");
    Open();
    EXPECT_TRUE(reported_.empty());
    ASSERT_EQ(Units()->count(), 2);
    ASSERT_EQ(Grid()->rowCount(), 3);
    EXPECT_EQ(ExactValues().at(1), std::string(digits, '1'));
    EXPECT_EQ(Cell(1, 1).size(), static_cast<qsizetype>(digits + (digits - 1) / 3));
    EXPECT_EQ(Cell(1, 2), "2");
}

// 100,000-digit factors in both directions, multiplied exactly by a typed value and by each other.
TEST_F(HostileCatalogue, HundredThousandDigitFactors) {
    constexpr std::size_t Digits = 100000;
    const std::string threes(Digits, '3');
    WriteFile("Units.dat", "[Huge]\n*Base=1|1\nThrees=" + threes + "|0." + threes + "\n");
    Open();
    ASSERT_EQ(Grid()->rowCount(), 2);
    Value()->setText("7");
    // 7 x 33...3 (n digits) is 2 followed by n-1 threes and a 1.
    const std::string product = "2" + std::string(Digits - 1, '3') + "1";
    EXPECT_EQ(ExactValues().at(1), product);

    Choose(From(), 1);
    const auto exact = ExactValues();
    ASSERT_EQ(exact.size(), 2U);
    EXPECT_EQ(exact[0], "2." + product.substr(1));
    const std::string squared = exact[1];
    EXPECT_TRUE(IsDecimalNumber(squared));
    EXPECT_EQ(squared.find('.'), Digits);
    EXPECT_EQ(Cell(1, 0), "2.33333333");
}

TEST_F(HostileCatalogue, BinaryGarbage) {
    WriteFile("Units.dat", "[" + BinaryGarbage(4U << 20, 20261208));
    Open();
    EXPECT_TRUE(reported_.empty());
    const auto& catalogue = ProgramCatalogue();
    ASSERT_FALSE(catalogue.empty());
    EXPECT_EQ(Units()->count(), static_cast<int>(catalogue.size()));
    const int shown = std::min(Units()->count(), 25);
    for (int c = 0; c < shown; ++c) {
        SCOPED_TRACE(c);
        Choose(Units(), c);
        const int rows = static_cast<int>(catalogue[static_cast<std::size_t>(c)].Units.size());
        EXPECT_EQ(Grid()->rowCount(), std::max(rows, 1));
        EXPECT_EQ(From()->count(), rows);
        for (const char* typed : {"1", "-123.456", "0.", "x"}) {
            Value()->setText(typed);
            const bool computed = From()->currentIndex() >= 0 && IsDecimalNumber(typed);
            EXPECT_EQ(ExactValues().size(), computed ? static_cast<std::size_t>(rows) : 0);
        }
    }
}

// Names that are not UTF-8 are Windows-1252 text; valid UTF-8 stays UTF-8.
TEST_F(HostileCatalogue, InvalidUtf8NamesReadAsWindows1252) {
    struct Case {
        const char* name;
        std::string bytes;
        QString shown;
    };
    const std::vector<Case> cases = {
        {"valid UTF-8", "L\xC3\xA4nge", QString::fromUtf8("L\xC3\xA4nge")},
        {"Windows-1252 letter", "M\xE8tre", QString::fromUtf8("M\xC3\xA8tre")},
        {"Windows-1252 euro and quotes", "\x80 \x93x\x94",
         QString::fromUtf8("\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D")},
        {"overlong slash", "a\xC0\xAF", QString::fromUtf8("a\xC3\x80\xC2\xAF")},
        {"encoded surrogate", "\xED\xA0\x80", QString::fromUtf8("\xC3\xAD\xC2\xA0\xE2\x82\xAC")},
        {"cut sequence", "x\xE2\x82", QString::fromUtf8("x\xC3\xA2\xE2\x80\x9A")},
        {"byte FF", "\xFF", QString::fromUtf8("\xC3\xBF")},
    };
    std::string file = "[Names]\n";
    for (const auto& row : cases) {
        file += row.bytes + "=1|1\n";
    }
    WriteFile("Units.dat", file + "[\xE9t\xE9]\n*x=1\n");
    Open();
    ASSERT_EQ(Grid()->rowCount(), static_cast<int>(cases.size()));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(Cell(0, static_cast<int>(i)), cases[i].shown);
        EXPECT_EQ(From()->itemText(static_cast<int>(i)), cases[i].shown);
    }
    EXPECT_EQ(Units()->itemText(1), QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
}

// A directory or a looping link is reported as the file it stands for, and the window opens
// with an empty list; the directory and its contents stay.
TEST_F(HostileCatalogue, DirectoryInsteadOfTheFile) {
    MakeDirectoryInstead("Units.dat");
    Open();
    ASSERT_EQ(reported_.size(), 1U);
    EXPECT_TRUE(reported_[0].startsWith(CannotOpen())) << reported_[0].toStdString();
    EXPECT_GT(reported_[0].size(), CannotOpen().size() + 1);
    EXPECT_EQ(Units()->count(), 0);
    Close();
    EXPECT_TRUE(DirectoryKept("Units.dat"));
}

TEST_F(HostileCatalogue, FifoInsteadOfTheFile) {
    if (!MakeFifo("Units.dat")) {
        GTEST_SKIP() << "no FIFOs here";
    }
    Open();
    ASSERT_EQ(reported_.size(), 1U);
    EXPECT_EQ(reported_[0], CannotOpen() + "Not a regular file.");
    EXPECT_EQ(Units()->count(), 0);
}

TEST_F(HostileCatalogue, LinkToItself) {
    if (!MakeLink("Units.dat", "Units.dat")) {
        GTEST_SKIP() << "no symbolic links here";
    }
    Open();
    ASSERT_EQ(reported_.size(), 1U);
    EXPECT_TRUE(reported_[0].startsWith(CannotOpen())) << reported_[0].toStdString();
    EXPECT_GT(reported_[0].size(), CannotOpen().size() + 1);
    EXPECT_EQ(Units()->count(), 0);
}

} // namespace
} // namespace mensurix::testing
