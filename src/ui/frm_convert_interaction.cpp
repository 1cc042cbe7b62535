#include "ui/frm_convert.h"

#include "ui/t_image_button.h"
#include "ui/t_label.h"
#include "ui/t_url_label.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QWindow>

namespace mensurix {

void TFrmConvert::ConnectHandlers() {
    // The lists report only the user's choices; a selection set by the program raises nothing.
    connect(ComboBoxUnits, &QComboBox::activated, this, [this] {
        settingsKnown_.Class = true;
        ComboBoxUnitsChange();
    });
    connect(ComboBoxFrom, &QComboBox::activated, this, [this] { ComboBoxFromChange(); });
    connect(EditValue, &QLineEdit::textChanged, this, [this] { EditValueChange(); });
    // After a start that read no settings, what the user sets here is still saved.
    connect(SpinEditDec, &QSpinBox::valueChanged, this, [this] {
        settingsKnown_.Digits = true;
        SpinEditDecChange();
    });
    connect(CheckBoxDouHao, &QCheckBox::toggled, this, [this] {
        settingsKnown_.Separators = true;
        SpinEditDecChange();
    });
    // A language file that renames the categories keeps the selection; the heading follows
    // the new name of the selected one.
    connect(ComboBoxUnits->model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                const int selected = ComboBoxUnits->currentIndex();
                if (selected >= topLeft.row() && selected <= bottomRight.row()) {
                    ShowCategoryCaption();
                }
            });
#if QT_CONFIG(sessionmanager)
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this] { SaveSettingsBeforeSessionEnd(); });
#endif
    connect(BtnSysMinSize, &QAbstractButton::clicked, this, [this] { BtnSysMinSizeClick(); });
    connect(BtnSysClose, &QAbstractButton::clicked, this, [this] { BtnSysCloseClick(); });
    connect(PM_Copy, &QAction::triggered, this, [this] { PM_CopyClick(); });
    connect(PM_CopyExact, &QAction::triggered, this, [this] { PM_CopyExactClick(); });
    connect(PM_CopyPlain, &QAction::triggered, this, [this] { PM_CopyPlainClick(); });
    connect(PM_CopyTable, &QAction::triggered, this, [this] { PM_CopyTableClick(); });
    connect(EditValue, &QLineEdit::inputRejected, this, [this] { EditValueInputRejected(); });
    connect(RzURLLabel2, &TUrlLabel::LinkRequested, this,
            [this](const QString& address) { RzURLLabel2Click(address); });
    for (QAction* item : {PM_English, PM_Spanish, PM_German, PM_Italian, PM_French}) {
        connect(item, &QAction::triggered, this, [this, item] { PM_EnglishClick(item); });
    }
    for (QObject* watched :
         {static_cast<QObject*>(Label5), static_cast<QObject*>(Label28),
          static_cast<QObject*>(ComboBoxFrom), static_cast<QObject*>(ComboBoxUnits),
          static_cast<QObject*>(StringGridUnit)}) {
        watched->installEventFilter(this);
    }
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        EditSearch->setFocus(Qt::ShortcutFocusReason);
        EditSearch->selectAll();
    });
    connect(EditSearch, &QLineEdit::returnPressed, this, [this] { SelectFirstFoundUnit(); });
    connect(unitSearch_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& found) { SelectFoundUnit(found); });
}

bool TFrmConvert::eventFilter(QObject* watched, QEvent* event) {
    if (KeyboardEvent(watched, event)) {
        return true;
    }
    if (watched == Label5) {
        return Label5MouseEvent(event);
    }
    if (watched == Label28 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            Label28->rect().contains(mouse->position().toPoint())) {
            Label28Click();
        }
        return false;
    }
    if (watched == StringGridUnit->viewport() && event->type() == QEvent::ToolTip) {
        return ShowExactValueTip(static_cast<QHelpEvent*>(event));
    }
    if (watched == StringGridUnit->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            StringGridUnitMouseDown(mouse->button(), mouse->position().toPoint());
            // The grid's own right-click would move its selection, even on the unit column.
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TFrmConvert::Label5MouseEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (dragButton_ != Qt::NoButton) {
            return true;
        }
        // Window systems end their move at the release of the left button, whatever button
        // began it; the strip moves the window itself for the other buttons.
        const bool systemMove = mouse->button() == Qt::LeftButton && windowHandle() != nullptr &&
                                windowHandle()->startSystemMove();
        dragButton_ = systemMove ? Qt::NoButton : mouse->button();
        dragOffset_ = mouse->globalPosition().toPoint() - pos();
        return true;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (dragButton_ != Qt::NoButton && (mouse->buttons() & dragButton_)) {
            move(mouse->globalPosition().toPoint() - dragOffset_);
        }
        return dragButton_ != Qt::NoButton;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == dragButton_) {
            dragButton_ = Qt::NoButton;
        }
        return true;
    default:
        return false;
    }
}

void TFrmConvert::BtnSysMinSizeClick() {
    showMinimized();
}

void TFrmConvert::BtnSysCloseClick() {
    close();
}

void TFrmConvert::StringGridUnitMouseDown(Qt::MouseButton button, const QPoint& position) {
    if (button != Qt::RightButton) {
        return;
    }
    const int row = StringGridUnit->rowAt(position.y());
    const int column = StringGridUnit->columnAt(position.x());
    if (row < 0 || column != 1) {
        return;
    }
    OpenCopyMenu(row, StringGridUnit->viewport()->mapToGlobal(position));
}

void TFrmConvert::OpenCopyMenu(int row, const QPoint& globalPosition) {
    StringGridUnit->setCurrentCell(row, 1, QItemSelectionModel::ClearAndSelect);
    popupCellCol_ = 1;
    popupCellRow_ = row;
    PopupMenu1->popup(globalPosition);
}

void TFrmConvert::RzURLLabel2Click(const QString& address) {
    services_.OpenUrl(address);
}

} // namespace mensurix
