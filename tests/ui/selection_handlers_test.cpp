#include "converter_fixture.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace mensurix::testing {
namespace {

const char* const Catalogue = "[Length]\n*Meter=1|1\nKilometer=0.001|1000\nCentimeter=100|0.01\n"
                              "[No default]\nA=1|1\nB=2|0.5\n"
                              "[Third default]\nX=1|1\nMeter=10|0.1\n*Z=100|0.01\n*W=1000|0.001\n"
                              "[Empty]\n"
                              "[Twelve]\n*U0=1|1\nU1=1|1\nU2=1|1\nU3=1|1\nU4=1|1\nU5=1|1\n"
                              "U6=1|1\nU7=1|1\nU8=1|1\nU9=1|1\nU10=1|1\nU11=1|1\n"
                              "[Thirds]\n*One=1|1\nThird=3|0.3333333333333333333333\n";

class SelectionHandlers : public ConverterFixture {
protected:
    void SetUp() override {
        WriteFile("Units.dat", Catalogue);
        Open();
    }
    QString Heading() const { return Find<QLabel>("RzLabel1")->text(); }
};

TEST_F(SelectionHandlers, FirstStartShowsTheFirstCategoryConverted) {
    EXPECT_EQ(Units()->count(), 6);
    EXPECT_EQ(Units()->currentIndex(), 0);
    EXPECT_EQ(Heading(), " Length    ");
    EXPECT_EQ(From()->currentIndex(), 0);
    EXPECT_EQ(Column(0), QStringList({"Meter", "Kilometer", "Centimeter"}));
    EXPECT_EQ(Column(1), QStringList({"1", "0.001", "100"}));
    EXPECT_EQ(ExactValues(), (std::vector<std::string>{"1", "0.001", "100"}));
}

TEST_F(SelectionHandlers, FirstMarkedUnitIsTheSource) {
    Choose(Units(), 2);
    EXPECT_EQ(From()->currentIndex(), 2);
    EXPECT_EQ(Column(1), QStringList({"0.01", "0.1", "1", "10"}));
}

TEST_F(SelectionHandlers, CategoryWithoutDefaultWaitsForASource) {
    Choose(Units(), 1);
    EXPECT_EQ(From()->currentIndex(), -1);
    EXPECT_EQ(Column(0), QStringList({"A", "B"}));
    EXPECT_EQ(Column(1), QStringList({"", ""}));
    EXPECT_TRUE(ExactValues().empty());
    Choose(From(), 1);
    EXPECT_EQ(Column(1), QStringList({"0.5", "1"}));
}

TEST_F(SelectionHandlers, CategoryChangeResetsTheSourceUnit) {
    Choose(From(), 0);
    Choose(Units(), 2);
    EXPECT_EQ(From()->currentText(), "Z");
    Choose(From(), 1);
    Choose(Units(), 0);
    EXPECT_EQ(From()->currentText(), "Meter");
    EXPECT_EQ(From()->currentIndex(), 0);
}

TEST_F(SelectionHandlers, RowCountFollowsTheCategory) {
    Choose(Units(), 4);
    EXPECT_EQ(Grid()->rowCount(), 12);
    Choose(Units(), 0);
    EXPECT_EQ(Grid()->rowCount(), 3);
    Choose(Units(), 4);
    EXPECT_EQ(Grid()->rowCount(), 12);
    EXPECT_EQ(Cell(0, 11), "U11");
    EXPECT_EQ(Cell(1, 11), "1");
}

TEST_F(SelectionHandlers, EmptyCategoryComputesNothing) {
    Choose(Units(), 3);
    EXPECT_EQ(Grid()->rowCount(), 1);
    EXPECT_EQ(From()->count(), 0);
    EXPECT_TRUE(ExactValues().empty());
    EXPECT_EQ(Column(1), QStringList({""}));
}

TEST_F(SelectionHandlers, TypingKeepsTheTableCurrent) {
    Value()->clear();
    QTest::keyClicks(Value(), "2.5");
    EXPECT_EQ(Column(1), QStringList({"2.5", "0.0025", "250"}));
    QTest::keyClicks(Value(), "x");
    EXPECT_EQ(Column(1), QStringList({"", "", ""}));
    EXPECT_TRUE(ExactValues().empty());
    Digits()->setValue(3);
    EXPECT_EQ(Column(1), QStringList({"", "", ""}));
    QTest::keyClick(Value(), Qt::Key_Backspace);
    EXPECT_EQ(Column(1), QStringList({"2.5", "0.003", "250"}));
}

TEST_F(SelectionHandlers, DigitsAndSeparatorsReformatWithoutRecalculating) {
    Choose(Units(), 5);
    EXPECT_EQ(Column(1), QStringList({"1", "3"}));
    Value()->setText("1234.56789");
    EXPECT_EQ(Column(1), QStringList({"1,234.56789", "3,703.70367"}));
    const auto unrounded = ExactValues();
    EXPECT_EQ(unrounded[0], "1234.56789");
    Digits()->setValue(2);
    EXPECT_EQ(Column(1), QStringList({"1,234.57", "3,703.7"}));
    Digits()->setValue(8);
    EXPECT_EQ(Column(1), QStringList({"1,234.56789", "3,703.70367"}));
    Separators()->setChecked(false);
    EXPECT_EQ(Column(1), QStringList({"1234.56789", "3703.70367"}));
    EXPECT_EQ(ExactValues(), unrounded);
    Digits()->setValue(0);
    EXPECT_EQ(Column(1), QStringList({"1235", "3704"}));
    EXPECT_EQ(ExactValues(), unrounded);
}

TEST_F(SelectionHandlers, SelectionFromCodeRaisesNoHandler) {
    Units()->setCurrentIndex(2);
    EXPECT_EQ(From()->count(), 3);
    EXPECT_EQ(Heading(), " Length    ");
    From()->setCurrentIndex(1);
    EXPECT_EQ(Column(1), QStringList({"1", "0.001", "100"}));
}

TEST_F(SelectionHandlers, UnitNamesAreWrittenOnlyWhenTheyDiffer) {
    QSignalSpy changes(Grid()->model(), &QAbstractItemModel::dataChanged);
    Value()->setText("7");
    Value()->setText("7x");
    Value()->setText("8");
    for (const auto& change : changes) {
        const auto topLeft = change[0].value<QModelIndex>();
        EXPECT_EQ(topLeft.column(), 1) << "row " << topLeft.row();
    }
    EXPECT_FALSE(changes.isEmpty());
}

TEST_F(SelectionHandlers, NoCategorySelected) {
    Units()->setCurrentIndex(-1);
    window_->CategoryChanged();
    EXPECT_EQ(Heading(), "    ");
    EXPECT_EQ(From()->count(), 0);
    EXPECT_EQ(Column(0), QStringList({"Meter", "Kilometer", "Centimeter"}));
    Value()->setText("5");
    EXPECT_EQ(Column(1), QStringList({"1", "0.001", "100"}));
}

TEST_F(SelectionHandlers, HeadingUsesTheShownCategoryText) {
    Units()->setItemText(0, "Longueur");
    Choose(Units(), 0);
    EXPECT_EQ(Heading(), " Longueur    ");
}

} // namespace
} // namespace mensurix::testing
