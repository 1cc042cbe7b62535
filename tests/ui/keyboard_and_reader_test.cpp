#include "converter_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

namespace mensurix::testing {
namespace {

// The shipped catalogue and languages, as a user meets them.
class KeyboardAndScreenReader : public ConverterFixture {
protected:
    void SetUp() override {
        InstallShippedData();
        Open();
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    void TearDown() override {
        for (QWidget* popup = QApplication::activePopupWidget(); popup != nullptr;
             popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }
    static QString AccessibleName(QObject* object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    }
    QLineEdit* Search() const { return Find<QLineEdit>("EditSearch"); }
};

TEST_F(KeyboardAndScreenReader, ADigitTypedOnTheUnitListStartsTheValue) {
    ASSERT_EQ(QApplication::focusWidget(), From());
    QTest::keyClick(From(), '2');
    EXPECT_EQ(QApplication::focusWidget(), Value());
    QTest::keyClick(QApplication::focusWidget(), '5');
    EXPECT_EQ(Value()->text(), "25");
    EXPECT_EQ(Cell(1, 2), "2,500"); // centimetres
    // Letters still choose an item by its first letters.
    QTest::keyClick(Units(), Qt::Key_P);
    EXPECT_EQ(Value()->text(), "25");
    EXPECT_TRUE(Units()->currentText().startsWith('P'));
}

TEST_F(KeyboardAndScreenReader, MenuKeysOpenTheMenusOnTheFocusedControl) {
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
        Grid()->setFocus();
        Grid()->setCurrentCell(3, 1);
        QTest::keyClick(Grid(), key, modifiers);
        auto* menu = Find<QMenu>("PopupMenu1");
        ASSERT_TRUE(menu->isVisible());
        EXPECT_EQ(QPoint(Grid()->currentColumn(), Grid()->currentRow()), QPoint(1, 3));
        QTest::keyClick(menu, Qt::Key_Escape);
        EXPECT_FALSE(menu->isVisible());
    }
    auto* language = Find<QLabel>("Label28");
    language->setFocus();
    ASSERT_TRUE(language->hasFocus());
    QTest::keyClick(language, Qt::Key_Return);
    EXPECT_TRUE(Find<QMenu>("PopupMenuView")->isVisible());
}

TEST_F(KeyboardAndScreenReader, SearchFindsAUnitInAnyCategory) {
    QTest::keyClick(window_.get(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), Search());
    QTest::keyClicks(Search(), "psi");
    QTest::keyClick(Search(), Qt::Key_Return);
    EXPECT_EQ(Units()->currentText(), "Pressure");
    EXPECT_TRUE(From()->currentText().contains("(psi)")) << From()->currentText().toStdString();
    EXPECT_EQ(QApplication::focusWidget(), Value());
    // The table of the new category starts at its first row.
    Grid()->verticalScrollBar()->setValue(Grid()->verticalScrollBar()->maximum());
    Choose(Units(), 0);
    EXPECT_EQ(Grid()->verticalScrollBar()->value(), 0);
}

TEST_F(KeyboardAndScreenReader, EveryControlHasAName) {
    // Each control is labelled by the label before it (a list's own name is its current item
    // on Linux, where the label relation names it).
    const std::vector<std::pair<const char*, QString>> labels = {
        {"ComboBoxUnits", "Please select:"},
        {"SpinEditDec", "Max number of digits:"},
        {"ComboBoxFrom", "From:"},
    };
    for (const auto& [component, label] : labels) {
        const auto relations = QAccessible::queryAccessibleInterface(Find<QWidget>(component))
                                   ->relations(QAccessible::Label);
        ASSERT_EQ(relations.size(), 1) << component;
        EXPECT_EQ(relations[0].first->text(QAccessible::Name), label) << component;
    }
    const std::vector<std::pair<const char*, QString>> names = {
        {"SpinEditDec", "Max number of digits:"},
        {"EditValue", "Value"},
        {"StringGridUnit", "To:"},
        {"EditSearch", "Find a unit (Ctrl+F)"},
        {"BtnSysMinSize", "Minimize"},
        {"BtnSysClose", "Close"},
    };
    for (const auto& [component, name] : names) {
        EXPECT_EQ(AccessibleName(Find<QWidget>(component)), name) << component;
    }
    // A result is read with its unit; the rows and columns have names, not numbers.
    auto* table = QAccessible::queryAccessibleInterface(Grid())->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->cellAt(1, 1)->text(QAccessible::Name), "Kilometer (km), 0.001");
    EXPECT_EQ(table->rowDescription(1), "Kilometer (km)");
    EXPECT_EQ(table->columnDescription(1), "Value");
    // The hidden copy helper is not among the window's accessible children.
    auto* window = QAccessible::queryAccessibleInterface(window_.get());
    for (int i = 0; i < window->childCount(); ++i) {
        EXPECT_NE(window->child(i)->object()->objectName(), "EditClipboard");
    }
}

TEST_F(KeyboardAndScreenReader, UnitNamesInTheInterfaceLanguage) {
    window_->SwitchLanguage(2); // German
    Choose(Units(), 0);
    EXPECT_TRUE(Column(0).contains("Zoll (in)"));
    EXPECT_NE(From()->findText("Zoll (in)"), -1);
    // The search matches the German names and the English ones alike.
    for (const char* typed : {"Zoll", "Inch (in)"}) {
        Search()->setFocus();
        QTest::keyClicks(Search(), typed);
        QTest::keyClick(Search(), Qt::Key_Return);
        EXPECT_EQ(From()->currentText(), "Zoll (in)") << typed;
        QApplication::processEvents();
    }
    window_->SwitchLanguage(0);
    EXPECT_EQ(From()->currentText(), "Inch (in)");
    EXPECT_TRUE(Column(0).contains("Inch (in)"));
}

} // namespace
} // namespace mensurix::testing
