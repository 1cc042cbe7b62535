#include "converter_fixture.h"

#include "localisation/component_line.h"
#include "localisation/language_file.h"
#include "ui/language/property_registry.h"

#include <QAction>
#include <QLabel>

#include <set>

namespace mensurix::testing {
namespace {

class ShippedLanguages : public ConverterFixture {
protected:
    void SetUp() override {
        InstallShippedData();
        Open();
    }
};

const std::vector<std::string> LanguageFiles = {"English", "Spanish", "German", "Italian",
                                                "French"};

// The texts a translation must give: the window's labels, hints and menu items.
const std::set<std::string> TextTargets = {
    "Label1.Caption",         "Label2.Caption",       "Label3.Caption",      "Label4.Caption",
    "CheckBoxDouHao.Caption", "Label28.Caption",      "BtnSysClose.Hint",    "BtnSysMinSize.Hint",
    "PM_Copy.Caption",        "PM_English.Caption",   "PM_Spanish.Caption",  "PM_German.Caption",
    "PM_Italian.Caption",     "PM_French.Caption",    "ComboBoxUnits.Items", "PM_CopyExact.Caption",
    "PM_CopyPlain.Caption",   "PM_CopyTable.Caption",
};

TEST_F(ShippedLanguages, EveryLineAppliesAndEveryTextIsGiven) {
    for (const auto& language : LanguageFiles) {
        SCOPED_TRACE(language);
        const std::string path = ProgramDir() + "Languages/" + language + ".isl";
        const auto messages = ReadLanguageMessages(path);
        EXPECT_NE(messages.Homepage.find("%1"), std::string::npos);
        EXPECT_NE(messages.CopyRight.find("%1"), std::string::npos);
        EXPECT_NE(messages.ValueTooLong.find("%1"), std::string::npos);
        std::set<std::string> given;
        for (const auto& text : ReadComponentSection(path)) {
            SCOPED_TRACE(text);
            const ComponentLine line = CutComponentLine(text);
            QObject* component = Component(line.Component);
            ASSERT_NE(component, nullptr);
            bool taken = false;
            EXPECT_NO_THROW(taken = SetPropertyByName(component, line.Property, line.Value));
            EXPECT_TRUE(taken);
            EXPECT_FALSE(line.Value.empty());
            given.insert(line.Component + "." + line.Property);
        }
        EXPECT_EQ(given, TextTargets);
    }
}

TEST_F(ShippedLanguages, OneCategoryNamePerCatalogueCategoryInOrder) {
    const UnitCatalogue catalogue = ProgramCatalogue();
    const auto categories = catalogue.size();
    ASSERT_GT(categories, 0U);
    for (const auto& language : LanguageFiles) {
        SCOPED_TRACE(language);
        const std::string path = ProgramDir() + "Languages/" + language + ".isl";
        for (const auto& text : ReadComponentSection(path)) {
            const ComponentLine line = CutComponentLine(text);
            if (line.Component == "ComboBoxUnits") {
                const auto names = SplitListValue(line.Value);
                EXPECT_EQ(names.size(), categories);
                if (language == "English") {
                    for (std::size_t i = 0; i < names.size() && i < categories; ++i) {
                        EXPECT_EQ(names[i], catalogue[i].Name);
                    }
                }
            }
        }
    }
}

TEST_F(ShippedLanguages, SwitchingShowsTheTranslation) {
    Choose(Units(), 3);
    window_->SwitchLanguage(2);
    EXPECT_EQ(Find<QLabel>("Label4")->text(), "Nach:");
    EXPECT_EQ(Units()->currentIndex(), 3);
    EXPECT_EQ(Find<QLabel>("RzLabel1")->text(), " " + Units()->currentText() + "    ");
    window_->SwitchLanguage(4);
    EXPECT_EQ(Find<QAction>("PM_French")->text(), QString::fromUtf8("Français"));
    window_->SwitchLanguage(0);
    EXPECT_EQ(Find<QLabel>("Label4")->text(), "To:");
    EXPECT_EQ(Units()->itemText(0), "Length");
}

} // namespace
} // namespace mensurix::testing
