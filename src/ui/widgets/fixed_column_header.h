#pragma once

#include <QHeaderView>

class QTableView;

namespace mensurix {

// A grid's fixed column: column 0 of the grid's model, shown as the heading beside the rows in
// place of the column itself. It scrolls with the rows but never sideways, and it takes neither
// the focus nor a selection, so only the columns after it scroll under the horizontal bar and the
// keyboard and the mouse reach only them. The model keeps its columns as they are.
class FixedColumnHeader final : public QHeaderView {
    Q_OBJECT
public:
    // Makes column 0 of grid its fixed column, width pixels wide.
    static void Install(QTableView& grid, int width);

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;

private:
    explicit FixedColumnHeader(QWidget* parent);
};

} // namespace mensurix
