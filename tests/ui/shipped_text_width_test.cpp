#include "converter_fixture.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionHeader>

namespace mensurix::testing {
namespace {

// The shipped category and unit names, measured with the fonts and boxes of the real window,
// whatever fonts this machine resolves.
class ShippedTextWidth : public ConverterFixture {
protected:
    void SetUp() override {
        InstallShippedData();
        Open();
    }
};

// The width the closed list has for its text: the style's edit field, less the pixel that the
// style leaves free on either side of the text.
int ClosedListTextWidth(const QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.frame = list->hasFrame();
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, list);
    return field.width() - 2;
}

TEST_F(ShippedTextWidth, EveryCategoryNameFitsTheClosedListInEveryLanguage) {
    const int available = ClosedListTextWidth(Units());
    ASSERT_GT(available, 0);
    for (int language = 0; language < 5; ++language) {
        window_->SwitchLanguage(language);
        ASSERT_EQ(Units()->count(), static_cast<int>(ProgramCatalogue().size()));
        for (int i = 0; i < Units()->count(); ++i) {
            const QString name = Units()->itemText(i);
            EXPECT_LE(Units()->fontMetrics().horizontalAdvance(name), available)
                << "language " << language << ": " << name.toStdString();
        }
    }
}

// The width the grid's fixed column, its row heading, has for a unit name.
int UnitColumnTextWidth(const QHeaderView* header) {
    QStyleOptionHeader option;
    option.initFrom(header);
    option.orientation = Qt::Vertical;
    option.rect = QRect(0, 0, header->width(), header->defaultSectionSize());
    return header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header).width();
}

TEST_F(ShippedTextWidth, EveryUnitNameIsUtf8AndFitsTheUnitColumnInEveryLanguage) {
    const QHeaderView* header = Grid()->verticalHeader();
    const int available = UnitColumnTextWidth(header);
    ASSERT_GT(available, 0);
    const QFontMetrics metrics(header->font());
    const UnitCatalogue catalogue = ProgramCatalogue();
    for (int category = 0; category < Units()->count(); ++category) {
        const auto& units = catalogue[static_cast<std::size_t>(category)].Units;
        for (const auto& unit : units) {
            const QString name =
                QString::fromUtf8(unit.Name.data(), static_cast<qsizetype>(unit.Name.size()));
            EXPECT_EQ(name.toStdString(), unit.Name);
        }
    }
    for (const std::uint8_t language : {0, 1, 2, 3, 4}) {
        window_->SwitchLanguage(language);
        for (int category = 0; category < Units()->count(); ++category) {
            Choose(Units(), category);
            for (int row = 0; row < Grid()->rowCount(); ++row) {
                EXPECT_LE(metrics.horizontalAdvance(Cell(0, row)), available)
                    << "language " << int{language} << ": " << Cell(0, row).toStdString();
            }
        }
    }
}

} // namespace
} // namespace mensurix::testing
