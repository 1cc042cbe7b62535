#include "cli/cli_program.h"

#include "scratch_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

// A catalogue with UTF-8 symbols, a unit without a factor, a symbol in two categories, rounded
// reciprocal factors, an absolute zero and reciprocal units.
constexpr const char* FixtureCatalogue =
    "[Length]\n"
    "*Meter (m)=1|1\n"
    "Kilometer (km)=0.001|1000\n"
    "Micrometer (\xC2\xB5m)=1000000|0.000001\n"
    "Mile (mi)=0.0006213711922373339696174341843633182215859|1609.344\n"
    "No Factor (nf)=\n"
    "Inch (in)=39.37007874015748031496062992125984251969|0.0254\n"
    "Foot (ft)=3.280839895013123359580052493438320209974|0.3048\n"
    "Yard (yd)=1.093613298337707786526684164479440069992|0.9144\n"
    "Light-Year (ly)=0.0000000000000001057000834024615463709460524485127233353|9460730472580800\n"
    "[Temperature]\n"
    "*Kelvin (K)=1|1|=1 absolute\n"
    "Degree Celsius (\xC2\xB0"
    "C)=1|1|+-273.15\n"
    "Degree Fahrenheit (\xC2\xB0"
    "F)=1.8|0.5555555555555555555555555555555555555556|+-459.67\n"
    "[Mass]\n"
    "*Kilogram (kg)=1|1\n"
    "Mile Weight (mi)=1|1\n"
    "[Fuel Economy]\n"
    "*Kilometer per Liter (km/L)=1|1\n"
    "Mile per US Gallon (mpg US)=2.352145833333333333333333333333333333334|"
    "0.4251437074302720034011496594421760272092|=1.609344/3.785411784\n"
    "Liter per 100 km (L/100 km)=||=100 reciprocal\n"
    "[Fuel Consumption]\n"
    "*Liter per 100 km (L/100 km)=1|1\n"
    "Kilometer per Liter (km/L)=||=100 reciprocal\n";

class CliProgram : public ::testing::Test {
protected:
    CliResult Run(std::vector<std::string> arguments) const {
        return RunCli(arguments, [this] { return catalogue_; });
    }
    ScratchDirectory scratch_;
    std::string catalogue_ = scratch_.WriteFile("Units.dat", FixtureCatalogue);
};

TEST_F(CliProgram, ConvertsExactlyAndPrintsOneLine) {
    struct Case {
        std::vector<std::string> arguments;
        std::string output;
    };
    const std::vector<Case> cases = {
        {{"1", "km", "m"}, "1000\n"},
        {{"1234567.5", "km", "m", "--separators"}, "1,234,567,500\n"},
        {{"-40",
          "\xC2\xB0"
          "C",
          "\xC2\xB0"
          "F"},
         "-40\n"},
        {{"32",
          "\xC2\xB0"
          "F",
          "\xC2\xB0"
          "C"},
         "0\n"},
        {{"--exact", "32",
          "\xC2\xB0"
          "F",
          "\xC2\xB0"
          "C"},
         "0\n"},
        // Every digit is exact at any magnitude; the whole value is never a rounded one.
        {{"--digits", "20", "1000000000000000", "Mile", "in"}, "63360000000000000000\n"},
        {{"--digits", "20", "100000000000000000000", "K", "K"}, "100000000000000000000\n"},
        {{"--digits", "20", "1000000", "ly", "in"},
         "372469703644913385826771.65354330708661417323\n"},
        {{"--exact", "1", "in", "in"}, "1\n"},
        {{"--exact", "3", "ft", "yd"}, "1\n"},
        {{"--exact", "1", "m", "in"},
         "39.370078740157480314960629921259842519685039370078\xE2\x80\xA6 = 5000/127\n"},
        {{"--digits", "2", "1", "\xC2\xB5m", "Mile"}, "0\n"},
        {{"--digits=20", "1", "m", "Mile"}, "0.00062137119223733397\n"},
        {{"-.5", "kilometer", "M"}, "-500\n"},
        {{"1", "km", "--", "m"}, "1000\n"},
        // A unit of another category found in its reciprocal view in the source's table.
        {{"30", "mpg US", "L/100 km"}, "7.84048611\n"},
        {{"7.84048611", "L/100 km", "km/L", "--digits", "4"}, "12.7543\n"},
        // Typed values: exponents, arithmetic, signs, grouping and sums, all exact.
        {{"1e3", "m", "km"}, "1\n"},
        {{"\xE2\x88\x92"
          "3",
          "km", "m"},
         "-3000\n"},
        {{"-(1+2)/4", "km", "m"}, "-750\n"},
        {{" +1,234.5 ", "m", "km"}, "1.2345\n"},
        {{"5 ft 3 in", "ft", "m"}, "1.6002\n"},
        {{"5'10\"", "ft", "in"}, "70\n"},
        {{"--decimal-comma", "1,5", "km", "m"}, "1500\n"},
        {{"--decimal-comma", "1,234.5", "m", "m"}, "1234.5\n"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.arguments[0] + " " + row.arguments[1]);
        const CliResult result = Run(row.arguments);
        EXPECT_EQ(result.Status, 0);
        EXPECT_EQ(result.Output, row.output);
        EXPECT_EQ(result.Errors, "");
    }
}

TEST_F(CliProgram, WholeCategoryInTwoAlignedColumns) {
    const CliResult result = Run({"1.5", "km"});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Output, "Meter (m)        1500\n"
                             "Kilometer (km)   1.5\n"
                             "Micrometer (\xC2\xB5m)  1500000000\n"
                             "Mile (mi)        0.93205679\n"
                             "No Factor (nf)\n"
                             "Inch (in)        59055.11811024\n"
                             "Foot (ft)        4921.25984252\n"
                             "Yard (yd)        1640.41994751\n"
                             "Light-Year (ly)  0\n");
}

TEST_F(CliProgram, ListsAndSearches) {
    EXPECT_EQ(Run({"--list"}).Output,
              "Length\nTemperature\nMass\nFuel Economy\nFuel Consumption\n");
    EXPECT_EQ(Run({"--list", "temperature"}).Output, "K   Kelvin\n\xC2\xB0"
                                                     "C  Degree Celsius\n\xC2\xB0"
                                                     "F  Degree Fahrenheit\n");
    // A reciprocal view is the unit of another category: found once, where it is defined.
    EXPECT_EQ(Run({"--search", "MILE"}).Output, "mi      Mile                Length\n"
                                                "mi      Mile Weight         Mass\n"
                                                "mpg US  Mile per US Gallon  Fuel Economy\n");
    EXPECT_EQ(Run({"--search", "per 100"}).Output,
              "L/100 km  Liter per 100 km  Fuel Consumption\n");
}

// Every failure says what went wrong on standard error, prints nothing on standard output and
// ends with 2 for a wrong command line, 1 for a conversion that cannot be done.
TEST_F(CliProgram, EveryErrorWithItsStatus) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{}, 2, "missing VALUE and FROM"},
        {{"1"}, 2, "missing FROM"},
        {{"1", "km", "m", "mi"}, 2, "unexpected argument \"mi\""},
        {{"--frobnicate", "1", "km"}, 2, "unknown option \"--frobnicate\""},
        {{"--digits", "21", "1", "km"},
         2,
         "--digits takes a whole number from 0 to 20, not \"21\""},
        {{"1", "km", "--digits"}, 2, "--digits needs a value"},
        {{"--exact=yes", "1", "km"}, 2, "--exact takes no value"},
        {{"--exact", "--digits", "3", "1", "km"}, 2, "--exact and --digits exclude each other"},
        {{"--list", "--search", "m"}, 2, "give only one of --list and --search"},
        {{"--list", "Length", "1"}, 2, "unexpected argument \"1\""},
        {{"1e", "km", "m"}, 1, "\"1e\" is not a number: \"e\" at character 2"},
        {{"1,5", "km", "m"}, 1, "\"1,5\" is not a number: \",\" at character 2"},
        {{"1,5", "km", "m"}, 1, "--decimal-comma reads \",\" as the decimal separator"},
        {{"--decimal-comma", "1,234", "km", "m"}, 1, "reads two ways, as 1234 or as 1.234"},
        {{"--decimal-comma=yes", "1", "km"}, 2, "--decimal-comma takes no value"},
        {{"1/(2-2)", "km", "m"}, 1, "\"/\" at character 2 divides by zero"},
        {{"5 ft 3 kg", "ft", "m"}, 1, "\"kg\" at character 8 is no unit of this category"},
        {{"5 ft 3", "ft", "m"}, 1, "\"3\" at character 6 has no unit"},
        {{"1.2.3", "km"}, 1, "a second \".\" at character 4"},
        {{"1\xC2\xB0", "km"}, 1, "\"\xC2\xB0\" at character 2"},
        {{"-", "km"}, 1, "nothing follows the \"-\""},
        {{".", "km"}, 1, "\".\" is not a number: it has no digit"},
        {{"-400",
          "\xC2\xB0"
          "C",
          "K"},
         1,
         "lies below absolute zero"},
        {{"0", "km/L", "L/100 km"}, 1, "zero has no value in \"Liter per 100 km (L/100 km)\""},
        {{"", "km"}, 1, "the value is empty"},
        {{"1", "kmm"}, 1, "unknown unit \"kmm\"; the closest are:\n  km  "},
        {{"1", "mi", "km"},
         1,
         "\"mi\" names more than one unit; use one of these:\n"
         "  mi  Mile         Length\n  mi  Mile Weight  Mass\n"},
        {{"1", "km", "kg"}, 1, "\"km\" is a unit of Length and \"kg\" one of Mass"},
        {{"1", "km", "nf"}, 1, "gives \"No Factor (nf)\" no factor"},
        {{"--list", "Lenght"}, 1, "unknown category \"Lenght\"; the closest are:\n  Length"},
        {{"--search", "parsec"}, 1, "no unit's name or symbol contains \"parsec\""},
        {{"--catalogue", "missing.dat", "1", "km"}, 1, "Cannot open file \"missing.dat\"."},
    };
    for (const auto& row : cases) {
        std::string line;
        for (const auto& argument : row.arguments) {
            line += argument + " ";
        }
        SCOPED_TRACE(line);
        const CliResult result = Run(row.arguments);
        EXPECT_EQ(result.Status, row.status);
        EXPECT_EQ(result.Output, "");
        EXPECT_EQ(result.Errors.rfind("mensurix-cli: ", 0), 0U) << result.Errors;
        EXPECT_NE(result.Errors.find(row.message), std::string::npos) << result.Errors;
        EXPECT_EQ(result.Errors.find("--help") != std::string::npos, row.status == 2);
    }
}

// A catalogue still saved as Windows-1252 prints UTF-8 and matches UTF-8 arguments.
TEST_F(CliProgram, LegacyCatalogueReadsAsUtf8) {
    const std::string legacy =
        scratch_.WriteFile("legacy.dat", "[Temperature]\n*Kelvin (K)=1|1\nDegree Celsius (\xB0"
                                         "C)=1|1|+-273.15\n");
    const CliResult result = Run({"--catalogue", legacy, "0",
                                  "\xC2\xB0"
                                  "C"});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Output, "Kelvin (K)           273.15\nDegree Celsius (\xC2\xB0"
                             "C)  0\n");
}

TEST_F(CliProgram, HelpAndVersionNeedNoCatalogue) {
    const auto unreachable = []() -> std::string { throw std::logic_error("catalogue read"); };
    const CliResult help = RunCli({"--help"}, unreachable);
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Output.find("Usage: mensurix-cli"), std::string::npos);
    const CliResult version = RunCli({"--version"}, unreachable);
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Output.rfind("mensurix-cli 1.", 0), 0U);
}

// Facts that hold for every edition of the shipped catalogue.
TEST(ShippedCatalogueCli, KnownConversions) {
    const auto shipped = [] { return std::string(MENSURIX_DATA_DIR "/Units.dat"); };
    struct Case {
        std::vector<std::string> arguments;
        std::string output;
    };
    const std::vector<Case> cases = {
        {{"1", "mi", "km"}, "1.609344\n"},
        {{"--digits", "20", "1", "Torr", "Pa"}, "133.32236842105263157895\n"},
        {{"32", "Degree Fahrenheit", "Degree Celsius"}, "0\n"},
        {{"30", "mpg US", "L/100 km"}, "7.84048611\n"},
        {{"--exact", "1", "m", "in"},
         "39.370078740157480314960629921259842519685039370078\u2026 = 5000/127\n"},
        {{"1", "cal/(g\u00B7\u00B0C)", "BTU/(lb\u00B7\u00B0F)"}, "1\n"},
        {{"--exact", "1", "ft", "ft US"}, "0.999998\n"},
        {{"5 ft 3 in", "ft", "cm"}, "160.02\n"},
        {{"5 ft 3 in", "cm"}, "160.02\n"},
        {{"5'10\"", "ft", "cm"}, "177.8\n"},
        {{"1 h 30 min", "h", "Second"}, "5400\n"},
        {{"--exact", "1/3", "m", "cm"},
         "33.333333333333333333333333333333333333333333333333\u2026 = 100/3\n"},
        {{"3 lb 4 oz", "lb", "oz"}, "52\n"},
        {{"--exact", "12\u00B0 30\u2032 15\u2033", "\u00B0", "\u2033"}, "45015\n"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.arguments.back());
        const CliResult result = RunCli(row.arguments, shipped);
        EXPECT_EQ(result.Status, 0) << result.Errors;
        EXPECT_EQ(result.Output, row.output);
    }
}

// A name that could mean units of different quantities lists them rather than picking one.
TEST(ShippedCatalogueCli, NamesOfSeveralConventionsListTheChoices) {
    const auto shipped = [] { return std::string(MENSURIX_DATA_DIR "/Units.dat"); };
    const struct {
        const char* name;
        std::vector<std::string> listed;
    } cases[] = {
        {"gal", {"Gal ", "gal US ", "gal UK "}}, {"pt", {"pt ", "pt US ", "pt UK "}},
        {"mpg", {"mpg US ", "mpg UK "}},         {"cup", {"cup US ", "cup UK ", "cup metric "}},
        {"ton", {"ton US ", "ton UK "}},         {"Rad", {"rad ", "rd "}},
        {"Point", {"pt ", "point compass "}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const CliResult result = RunCli({"1", row.name, "m"}, shipped);
        EXPECT_EQ(result.Status, 1);
        for (const auto& symbol : row.listed) {
            EXPECT_NE(result.Errors.find("\n  " + symbol), std::string::npos) << result.Errors;
        }
    }
}

} // namespace
} // namespace mensurix
