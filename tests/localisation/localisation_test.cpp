#include "localisation/component_line.h"
#include "localisation/language_choice.h"
#include "localisation/replace_all.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace mensurix {
namespace {

TEST(ReplaceAll, Cases) {
    struct Case {
        const char* name;
        std::string text, pattern, replacement, expected;
    };
    const std::vector<Case> cases = {
        {"twice", "%1 and %1", "%1", "x", "x and x"},
        {"none", "Homepage", "%1", "x", "Homepage"},
        {"replacement contains pattern", "a%1", "%1", "<%1>", "a%1"},
        {"empty pattern", "abc", "", "x", "abc"},
        {"occurrence arising at the seam", "%%11", "%1", "%", "%%"},
        {"seam with empty replacement", "%%11", "%1", "", ""},
        {"adjacent", "%1%1%1", "%1", "", ""},
        {"longer replacement", "v%1", "%1", "1.2.5.1", "v1.2.5.1"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReplaceAll(row.text, row.pattern, row.replacement), row.expected);
    }
}

TEST(CutComponentLine, TargetsAndValues) {
    struct Case {
        const char* line;
        std::string component, property, value;
    };
    const std::vector<Case> cases = {
        {"Caption=Hello", "", "Caption", "Hello"},
        {".Caption=Hello", "", "Caption", "Hello"},
        {"label1.CAPTION=Hello", "label1", "CAPTION", "Hello"},
        {"  Label1 .  Caption  =  Hello world \t", "Label1", "Caption", "Hello world"},
        {"Label1.Caption=a=b", "Label1", "Caption", "a=b"},
        {"Label1.Caption=", "Label1", "Caption", ""},
        {"Label1.Font.Name=Arial", "Label1", "Font.Name", "Arial"},
        {"no equals", "", "no equals", ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.line);
        const auto cut = CutComponentLine(row.line);
        EXPECT_EQ(cut.Component, row.component);
        EXPECT_EQ(cut.Property, row.property);
        EXPECT_EQ(cut.Value, row.value);
    }
}

TEST(SplitListValue, CutsAtEverySeparatorInOrder) {
    EXPECT_EQ(SplitListValue("a||b||c"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitListValue("single"), (std::vector<std::string>{"single"}));
    EXPECT_EQ(SplitListValue(""), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitListValue("a|||b"), (std::vector<std::string>{"a", "|b"}));
    EXPECT_EQ(SplitListValue("||"), (std::vector<std::string>{"", ""}));
}

TEST(LanguageFromLocaleName, FirstContainedNameDecides) {
    struct Case {
        const char* name;
        std::uint8_t index;
    };
    const std::vector<Case> cases = {
        {"English", 0}, {"GERMAN", 2},       {"Spanish", 1},        {"French", 4},
        {"Italian", 3}, {"Chinese", 5},      {"Japanese", 6},       {"Dutch", 7},
        {"", 7},        {"Swiss German", 2}, {"English-German", 0}, {"Ja\xc3\xa9pan", 7},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(LanguageFromLocaleName(row.name), row.index);
    }
}

TEST(LanguageFromName, NamesCodesAndLocales) {
    struct Case {
        const char* text;
        std::optional<std::uint8_t> byName;
        std::uint8_t byLocale;
    };
    const std::vector<Case> cases = {
        {"German", 2, 0}, {"de", 2, 2},       {"DE", 2, 2},       {"fr", 4, 4},
        {"es", 1, 1},     {"it", 3, 3},       {"en", 0, 0},       {"de_DE.UTF-8", {}, 2},
        {"fr_CA", {}, 4}, {"it@euro", {}, 3}, {"C", {}, 0},       {"POSIX", {}, 0},
        {"nl_NL", {}, 0}, {"", {}, 0},        {"Deutsch", {}, 0}, {"ger", {}, 0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(LanguageFromName(row.text), row.byName);
        EXPECT_EQ(LanguageFromLocaleValue(row.text), row.byLocale);
    }
}

TEST(LanguageFileFor, FilesAndMenuItems) {
    EXPECT_EQ(LanguageFileFor(0).RelativePath, "Languages/English.isl");
    EXPECT_EQ(LanguageFileFor(1).RelativePath, "Languages/Spanish.isl");
    EXPECT_EQ(LanguageFileFor(2).RelativePath, "Languages/German.isl");
    EXPECT_EQ(LanguageFileFor(3).RelativePath, "Languages/Italian.isl");
    EXPECT_EQ(LanguageFileFor(4).MenuItem, 4);
    for (const std::uint8_t index : {5, 6, 7, 200}) {
        EXPECT_EQ(LanguageFileFor(index).RelativePath, "Languages/English.isl");
        EXPECT_EQ(LanguageFileFor(index).MenuItem, 0);
    }
}

} // namespace
} // namespace mensurix
