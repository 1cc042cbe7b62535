#include "converter_fixture.h"

#include "ui/language/property_registry.h"
#include "ui/widgets/input_length_limit.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace mensurix::testing {
namespace {

class PropertyRegistry : public ConverterFixture {
protected:
    void SetUp() override {
        WriteFile("Units.dat", "[Length]\n*Meter=1|1\nKilometer=0.001|1000\n");
        Open();
    }
};

TEST_F(PropertyRegistry, WhatEachComponentTakes) {
    struct Case {
        const char* component;
        const char* property;
        const char* value;
        bool taken;
        bool integer; // refuses a value that is no integer
    };
    const std::vector<Case> cases = {
        {"Label1", "caption", "Stellen", true, false},
        {"Label1", "Text", "x", false, false},
        {"Label1", "Visible", "False", false, false},
        {"Label1", "Font.Name", "Arial", false, false},
        {"RzURLLabel2", "URL", "https://mensurix.org/de", true, false},
        {"Label1", "URL", "https://mensurix.org", false, false},
        {"ComboBoxUnits", "Items", "Länge", true, false},
        {"ComboBoxUnits", "Caption", "x", false, false},
        {"EditValue", "Text", "5", true, false},
        {"EditValue", "MaxLength", "40", true, true},
        {"SpinEditDec", "Value", "3", true, true},
        {"PM_German", "Tag", "2", true, true},
        {"PM_German", "Left", "2", false, false},
        {"BtnSysClose", "Hint", "Zu", true, false},
        {"", "Width", "620", true, true},
        {"", "caption", "Titel", true, false},
        {"StringGridUnit", "Color", "16777215", true, true},
        {"FS", "Cursor", "-21", true, true},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.component) + "." + row.property);
        QObject* component = Component(row.component);
        ASSERT_NE(component, nullptr);
        if (row.integer) {
            EXPECT_THROW(SetPropertyByName(component, row.property, "x"), std::invalid_argument);
        } else {
            EXPECT_NO_THROW(SetPropertyByName(component, row.property, "x"));
        }
        EXPECT_EQ(SetPropertyByName(component, row.property, row.value), row.taken);
    }
    EXPECT_EQ(Find<QLabel>("Label1")->text(), "Stellen");
    EXPECT_EQ(Units()->itemText(0), "Länge");
    EXPECT_EQ(Find<QWidget>("BtnSysClose")->toolTip(), "Zu");
    // A language file finds components in any letter case, but neither the window by its own
    // name nor Qt's inner children.
    WriteFile("names.isl", "[FrmConvert]\nFrmConvert.Caption=own name\n"
                           "qt_spinbox_lineedit.Hint=inner\nlabel28.Caption=any case\n");
    window_->ApplyLanguageFile(ProgramDir() + "names.isl");
    EXPECT_NE(window_->windowTitle(), "own name");
    EXPECT_NE(Find<QLineEdit>("qt_spinbox_lineedit")->toolTip(), "inner");
    EXPECT_EQ(Find<QLabel>("Label28")->text(), "any case");
}

TEST_F(PropertyRegistry, IntegerValues) {
    SetPropertyByName(Component("PM_German"), "Tag", " -7");
    EXPECT_EQ(Find<QAction>("PM_German")->property("Tag").toInt(), -7);
    SetPropertyByName(Component("SpinEditDec"), "Value", "$0C");
    EXPECT_EQ(Digits()->value(), 12);
    SetPropertyByName(Component("SpinEditDec"), "Value", "99");
    EXPECT_EQ(Digits()->value(), 20);
    SetPropertyByName(Component("EditValue"), "MaxLength", "5");
    EXPECT_EQ(InputLengthLimit::LimitOf(Value()), 5);
    SetPropertyByName(Component("Label28"), "Cursor", "-21");
    EXPECT_EQ(Find<QLabel>("Label28")->cursor().shape(), Qt::PointingHandCursor);
    SetPropertyByName(Component("EditValue"), "Color", "255");
    EXPECT_EQ(Value()->palette().color(QPalette::Base), QColor(255, 0, 0));
    SetPropertyByName(Component("Label2"), "Left", "0x10");
    EXPECT_EQ(Find<QLabel>("Label2")->x(), 16);
    for (const char* bad : {"abc", "", "1.5", "2147483648", "12 "}) {
        EXPECT_THROW(SetPropertyByName(Component("Label2"), "Top", bad), std::invalid_argument)
            << bad;
    }
    EXPECT_NO_THROW(SetPropertyByName(Component("Label2"), "Visible", "abc"));
    EXPECT_NO_THROW(SetPropertyByName(nullptr, "Top", "abc"));
}

TEST_F(PropertyRegistry, AutoSizedLabelsGrowAwayFromTheirControl) {
    auto* to = Find<QLabel>("Label4");
    const int right = to->geometry().right();
    SetPropertyByName(to, "Caption", "Nach Einheit:");
    EXPECT_EQ(to->geometry().right(), right);
    EXPECT_GT(to->width(), 40);
    auto* title = Find<QLabel>("Label7");
    const int left = title->x();
    SetPropertyByName(title, "Caption", "A much longer title than before");
    EXPECT_EQ(title->x(), left);
    EXPECT_GE(title->width(), title->fontMetrics().horizontalAdvance(title->text()));
}

} // namespace
} // namespace mensurix::testing
