#include "ui/window/converter_window.h"

#include "ui/widgets/auto_size_label.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/web_link_label.h"

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

void ConverterWindow::ConnectHandlers() {
    // The lists report only the user's choices; a selection set by the program raises nothing.
    connect(categoryList_, &QComboBox::activated, this, [this] {
        settingsKnown_.Class = true;
        CategoryChanged();
    });
    connect(sourceUnitList_, &QComboBox::activated, this, [this] { SourceUnitChanged(); });
    connect(valueBox_, &QLineEdit::textChanged, this, [this] { ValueChanged(); });
    // After a start that read no settings, what the user sets here is still saved.
    connect(digitsBox_, &QSpinBox::valueChanged, this, [this] {
        settingsKnown_.Digits = true;
        FormatChanged();
    });
    connect(separatorsBox_, &QCheckBox::toggled, this, [this] {
        settingsKnown_.Separators = true;
        FormatChanged();
    });
    // A language file that renames the categories keeps the selection; the heading follows
    // the new name of the selected one.
    connect(categoryList_->model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                const int selected = categoryList_->currentIndex();
                if (selected >= topLeft.row() && selected <= bottomRight.row()) {
                    ShowCategoryCaption();
                }
            });
#if QT_CONFIG(sessionmanager)
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this] { SaveSettingsBeforeSessionEnd(); });
#endif
    connect(minimizeButton_, &QAbstractButton::clicked, this, [this] { MinimizeWindow(); });
    connect(closeButton_, &QAbstractButton::clicked, this, [this] { CloseWindow(); });
    connect(copyItem_, &QAction::triggered, this, [this] { CopyShownValue(); });
    connect(copyExactItem_, &QAction::triggered, this, [this] { CopyExactValue(); });
    connect(copyPlainItem_, &QAction::triggered, this, [this] { CopyWithoutSeparators(); });
    connect(copyTableItem_, &QAction::triggered, this, [this] { CopyTable(); });
    connect(valueBox_, &QLineEdit::inputRejected, this, [this] { ExplainRejectedInput(); });
    connect(homepageLink_, &WebLinkLabel::LinkRequested, this,
            [this](const QString& address) { OpenHomepage(address); });
    for (QAction* item : {englishItem_, spanishItem_, germanItem_, italianItem_, frenchItem_}) {
        connect(item, &QAction::triggered, this, [this, item] { ChooseLanguage(item); });
    }
    for (QObject* watched :
         {static_cast<QObject*>(captionStrip_), static_cast<QObject*>(languageLabel_),
          static_cast<QObject*>(sourceUnitList_), static_cast<QObject*>(categoryList_),
          static_cast<QObject*>(resultTable_)}) {
        watched->installEventFilter(this);
    }
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        searchBox_->setFocus(Qt::ShortcutFocusReason);
        searchBox_->selectAll();
    });
    connect(searchBox_, &QLineEdit::returnPressed, this, [this] { SelectFirstFoundUnit(); });
    connect(unitSearch_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& found) { SelectFoundUnit(found); });
}

bool ConverterWindow::eventFilter(QObject* watched, QEvent* event) {
    if (KeyboardEvent(watched, event)) {
        return true;
    }
    if (watched == captionStrip_) {
        return DragWindow(event);
    }
    if (watched == languageLabel_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            languageLabel_->rect().contains(mouse->position().toPoint())) {
            OpenLanguageMenu();
        }
        return false;
    }
    if (watched == resultTable_->viewport() && event->type() == QEvent::ToolTip) {
        return ShowExactValueTip(static_cast<QHelpEvent*>(event));
    }
    if (watched == resultTable_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            ResultTablePressed(mouse->button(), mouse->position().toPoint());
            // The grid's own right-click would move its selection, even on the unit column.
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool ConverterWindow::DragWindow(QEvent* event) {
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

void ConverterWindow::MinimizeWindow() {
    showMinimized();
}

void ConverterWindow::CloseWindow() {
    close();
}

void ConverterWindow::ResultTablePressed(Qt::MouseButton button, const QPoint& position) {
    if (button != Qt::RightButton) {
        return;
    }
    const int row = resultTable_->rowAt(position.y());
    const int column = resultTable_->columnAt(position.x());
    if (row < 0 || column != 1) {
        return;
    }
    OpenCopyMenu(row, resultTable_->viewport()->mapToGlobal(position));
}

void ConverterWindow::OpenCopyMenu(int row, const QPoint& globalPosition) {
    resultTable_->setCurrentCell(row, 1, QItemSelectionModel::ClearAndSelect);
    popupCellCol_ = 1;
    popupCellRow_ = row;
    copyMenu_->popup(globalPosition);
}

void ConverterWindow::OpenHomepage(const QString& address) {
    services_.OpenUrl(address);
}

} // namespace mensurix
