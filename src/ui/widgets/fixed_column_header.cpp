#include "ui/widgets/fixed_column_header.h"

#include <QStyleOptionHeader>
#include <QTableView>

namespace mensurix {

FixedColumnHeader::FixedColumnHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setTextElideMode(Qt::ElideNone);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void FixedColumnHeader::Install(QTableView& grid, int width) {
    auto* header = new FixedColumnHeader(&grid);
    grid.setVerticalHeader(header);
    header->setFixedWidth(width);
    header->show();
    grid.setColumnHidden(0, true);
    // The result column is wider than what is left of the grid; its last pixels are reached
    // by the bar, not by a jump of a whole column.
    grid.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void FixedColumnHeader::initStyleOptionForIndex(QStyleOptionHeader* option,
                                                int logicalIndex) const {
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    option->text = model()->index(logicalIndex, 0).data(Qt::DisplayRole).toString();
}

} // namespace mensurix
