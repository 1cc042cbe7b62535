#include "hostile_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

namespace mensurix::testing {
namespace {

constexpr int MaximumLength = 32767;

// The value box holds at most 32,767 characters however the text arrives, and a number of that
// length goes exactly through the largest shipped category.
class MaximumLengthValue : public HostileFixture {
protected:
    void SetUp() override {
        InstallShippedData();
        WriteFile("options.ini", "[OPTIONS]\nClass=0\n[LANGUAGE]\nDefault=0\n");
        Open();
    }
};

// A paste, a drop or a key press that would pass the limit is refused whole, never cut to a
// different number, and the value box says why.
TEST_F(MaximumLengthValue, InsertionBeyondTheMaximumIsRefusedAndSaid) {
    const QString full(MaximumLength, '4');
    Value()->setText("1");
    QApplication::clipboard()->setText(QString(MaximumLength, '5'));
    Value()->paste();
    EXPECT_EQ(Value()->text(), "1");
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(),
              "The value can have at most 32767 characters; the text was not inserted.");

    Value()->clear();
    QApplication::clipboard()->setText(full);
    Value()->paste();
    EXPECT_EQ(Value()->text(), full);
    QTest::keyClicks(Value(), "55");
    EXPECT_EQ(Value()->text(), full);
}

// A displayed result longer than any edit box keeps goes to the clipboard whole.
TEST_F(MaximumLengthValue, LongestResultsAreCopiedWhole) {
    Value()->setText(QString(MaximumLength, '9'));
    window_->findChild<QCheckBox*>("CheckBoxDouHao")->setChecked(true);
    const int millimeter = 3;
    ASSERT_EQ(ProgramCatalogue()[0].Units.at(millimeter).Name, "Millimeter (mm)");
    const QRect cell = Grid()->visualRect(Grid()->model()->index(millimeter, 1));
    QTest::mouseClick(Grid()->viewport(), Qt::RightButton, {}, cell.center());
    window_->CopyShownValue();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied, Cell(1, millimeter));
    EXPECT_EQ(copied.size(), MaximumLength + 3 + (MaximumLength + 2) / 3);
    window_->findChild<QAction*>("PM_CopyExact")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QString(MaximumLength, '9') + "000");
    if (QWidget* menu = QApplication::activePopupWidget()) {
        menu->close();
    }
}

TEST_F(MaximumLengthValue, MaximumLengthNumberConvertsExactly) {
    ASSERT_EQ(ProgramCatalogue().at(0).Units.at(0).Name, "Meter (m)");
    ASSERT_EQ(ProgramCatalogue()[0].Units.at(1).FactorFromBase, "0.001");
    const std::string digits(MaximumLength, '7');
    Value()->clear();
    QApplication::clipboard()->setText(QString::fromStdString(digits));
    Value()->paste();
    const auto exact = ExactValues();
    ASSERT_EQ(exact.size(), ProgramCatalogue()[0].Units.size());
    EXPECT_EQ(exact[0], digits);
    EXPECT_EQ(exact[1], digits.substr(3) + ".777");
    // The display groups the integer part: 32,767 digits and 10,922 separators.
    EXPECT_EQ(Cell(1, 0).size(), MaximumLength + (MaximumLength - 1) / 3);
}

} // namespace
} // namespace mensurix::testing
