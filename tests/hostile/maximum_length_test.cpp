#include "hostile_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

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

TEST_F(MaximumLengthValue, SetPastedOrTypedTextIsCutToTheMaximum) {
    EXPECT_EQ(Value()->maxLength(), MaximumLength);
    const QString tooLong(MaximumLength + 1000, '4');

    Value()->setText(tooLong);
    EXPECT_EQ(Value()->text().size(), MaximumLength);

    Value()->clear();
    QApplication::clipboard()->setText(tooLong);
    Value()->paste();
    EXPECT_EQ(Value()->text().size(), MaximumLength);

    QTest::keyClicks(Value(), "55");
    EXPECT_EQ(Value()->text(), QString(MaximumLength, '4'));
}

TEST_F(MaximumLengthValue, MaximumLengthNumberConvertsExactly) {
    ASSERT_EQ(window_->Catalogue().at(0).Units.at(0).Name, "Meter (m)");
    ASSERT_EQ(window_->Catalogue()[0].Units.at(1).FactorFromBase, "0.001");
    const std::string digits(MaximumLength, '7');
    Value()->clear();
    QApplication::clipboard()->setText(QString::fromStdString(digits));
    Value()->paste();
    ASSERT_EQ(window_->ResultTexts().size(), window_->Catalogue()[0].Units.size());
    EXPECT_EQ(window_->ResultTexts()[0], digits);
    EXPECT_EQ(window_->ResultTexts()[1], digits.substr(3) + ".777");
    // The display groups the integer part: 32,767 digits and 10,922 separators.
    EXPECT_EQ(Cell(1, 0).size(), MaximumLength + (MaximumLength - 1) / 3);
}

} // namespace
} // namespace mensurix::testing
