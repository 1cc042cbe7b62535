#include "converter_fixture.h"

#include "../window_shadow.h"

#include "ui/language/property_registry.h"
#include "ui/program_identity.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace mensurix::testing {
namespace {

class WindowInteraction : public ConverterFixture {
protected:
    void SetUp() override {
        WriteFile("Units.dat", "[Length]\n*Meter=1|1\nKilometer=0.001|1000\nMillimeter=1000|0.001\n"
                               "no factors\n");
        Open();
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        // The offscreen platform activates every window it shows, the halo that follows the
        // window included; a real window system never activates the halo.
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    void TearDown() override {
        for (QWidget* popup = QApplication::activePopupWidget(); popup != nullptr;
             popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }
    QPoint CellCentre(int column, int row) const {
        return Grid()->visualItemRect(Grid()->item(row, column)).center();
    }
    QMenu* CopyMenu() const { return Find<QMenu>("PopupMenu1"); }
    QHeaderView* UnitNames() const { return Grid()->verticalHeader(); }
    QPoint UnitNameCentre(int row) const {
        return {UnitNames()->width() / 2,
                UnitNames()->sectionViewportPosition(row) + UnitNames()->sectionSize(row) / 2};
    }
};

TEST_F(WindowInteraction, FrameAndSize) {
    EXPECT_EQ(window_->size(), QSize(610, 450));
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
    EXPECT_TRUE(window_->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window_->windowTitle().isEmpty());
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), ApplicationTitle);
    EXPECT_EQ(Find<QLabel>("Label7")->text(), ApplicationTitle);
    // Column 0 is the grid's fixed column, its header.
    EXPECT_EQ(Grid()->verticalHeader()->width(), 165);
    EXPECT_EQ(Grid()->columnWidth(1), 316);
}

TEST_F(WindowInteraction, TabOrderSkipsTheHiddenEditBox) {
    const QStringList expected = {"ComboBoxUnits", "SpinEditDec",  "CheckBoxDouHao",
                                  "ComboBoxFrom",  "EditValue",    "StringGridUnit",
                                  "BtnSysMinSize", "BtnSysClose",  "Label28",
                                  "EditSearch",    "ComboBoxUnits"};
    EXPECT_EQ(QApplication::focusWidget(), From());
    Units()->setFocus();
    QStringList visited = {"ComboBoxUnits"};
    for (int i = 1; i < expected.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        while (now != nullptr && now->objectName().isEmpty()) {
            now = now->parentWidget();
        }
        visited.append(now == nullptr ? QString() : now->objectName());
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(WindowInteraction, RightClickOpensTheMenuOnlyOnResults) {
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
        QTest::mouseClick(UnitNames()->viewport(), button, {}, UnitNameCentre(1));
    }
    EXPECT_FALSE(CopyMenu()->isVisible());
    EXPECT_TRUE(Grid()->selectedItems().isEmpty());
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, CellCentre(1, 0));
    EXPECT_FALSE(CopyMenu()->isVisible());
    QTest::mouseClick(Grid()->viewport(), Qt::RightButton, {}, QPoint(10, 240));
    EXPECT_FALSE(CopyMenu()->isVisible());
    QTest::mouseClick(Grid()->viewport(), Qt::RightButton, {}, CellCentre(1, 2));
    EXPECT_TRUE(CopyMenu()->isVisible());
    EXPECT_EQ(QPoint(Grid()->currentColumn(), Grid()->currentRow()), QPoint(1, 2));
    ASSERT_EQ(Grid()->selectedItems().size(), 1);
    EXPECT_EQ(Grid()->selectedItems()[0]->row(), 2);
    // At the cursor; the menu may step aside by a few pixels so as not to open under it.
    const QPoint offset = CopyMenu()->pos() - Grid()->viewport()->mapToGlobal(CellCentre(1, 2));
    EXPECT_LE(offset.manhattanLength(), 16) << offset.x() << "," << offset.y();
}

TEST_F(WindowInteraction, CopyTakesTheDisplayedText) {
    Value()->setText("1234.5");
    QTest::mouseClick(Grid()->viewport(), Qt::RightButton, {}, CellCentre(1, 2));
    window_->CopyShownValue();
    EXPECT_EQ(QApplication::clipboard()->text(), "1,234,500");
    Separators()->setChecked(false);
    Digits()->setValue(0);
    QTest::mouseClick(Grid()->viewport(), Qt::RightButton, {}, CellCentre(1, 1));
    window_->CopyShownValue();
    EXPECT_EQ(QApplication::clipboard()->text(), "1");
}

// The exact value, the shown rounding without grouping, and the whole table as shown.
TEST_F(WindowInteraction, CopyExactPlainAndTable) {
    Value()->setText("1234.56789");
    Digits()->setValue(2);
    ASSERT_TRUE(Separators()->isChecked());
    struct Case {
        const char* item;
        int row;
        QString copied;
    };
    const std::vector<Case> cases = {
        {"PM_CopyExact", 1, "1.23456789"},
        {"PM_CopyPlain", 1, "1.23"},
        {"PM_CopyExact", 2, "1234567.89"},
        {"PM_CopyPlain", 2, "1234567.89"},
        {"PM_Copy", 2, "1,234,567.89"},
        {"PM_CopyTable", 0, "Meter\t1,234.57\nKilometer\t1.23\nMillimeter\t1,234,567.89\n\t\n"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.item);
        QApplication::clipboard()->setText("before");
        QTest::mouseClick(Grid()->viewport(), Qt::RightButton, {}, CellCentre(1, row.row));
        Find<QAction>(row.item)->trigger();
        EXPECT_EQ(QApplication::clipboard()->text(), row.copied);
        CopyMenu()->close();
    }
    // Nothing to copy leaves the clipboard alone.
    QApplication::clipboard()->setText("before");
    QTest::mouseClick(Grid()->viewport(), Qt::RightButton, {}, CellCentre(1, 3));
    Find<QAction>("PM_CopyExact")->trigger();
    Find<QAction>("PM_CopyPlain")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
}

// Hovering a result that shows fewer digits than it has shows all of them.
TEST_F(WindowInteraction, ExactValueTipWhereDigitsAreDroppedOrCut) {
    Value()->setText("1234.56789");
    Digits()->setValue(2);
    const auto hover = [this](int row) {
        const QPoint at = CellCentre(1, row);
        QHelpEvent help(QEvent::ToolTip, at, Grid()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(Grid()->viewport(), &help);
    };
    const auto hidden = [] { return QTest::qWaitFor([] { return !QToolTip::isVisible(); }); };
    hover(1);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "1.23456789");
    hover(2);
    EXPECT_TRUE(hidden());
    hover(1);
    Digits()->setValue(8);
    hover(1);
    EXPECT_TRUE(hidden());
    // A whole value too wide for its column ends in an ellipsis; the tip has it all.
    Value()->setText("1e40");
    hover(2);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text().remove('\n'), "1" + QString(43, '0'));
}

TEST_F(WindowInteraction, EmptyCellLeavesTheClipboardAlone) {
    QApplication::clipboard()->setText("before");
    QTest::mouseClick(Grid()->viewport(), Qt::RightButton, {}, CellCentre(1, 3));
    window_->CopyShownValue();
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    Value()->setText("abc");
    QTest::mouseClick(Grid()->viewport(), Qt::RightButton, {}, CellCentre(1, 0));
    window_->CopyShownValue();
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
}

// The result column is wider than the room beside the unit names; nothing the user does with the
// results moves the names, and the focus never lands on them.
TEST_F(WindowInteraction, UnitNamesStayWhateverHappensToTheResults) {
    Value()->setText("123456789012345678.123456789");
    const int frame = Grid()->frameWidth();
    const QRect namesArea(frame, frame, 165, Grid()->viewport()->height());
    const QImage names = Grid()->grab(namesArea).toImage();
    const std::vector<std::pair<std::string, std::function<void()>>> actions = {
        {"right-click copy",
         [&] {
             QTest::mouseClick(Grid()->viewport(), Qt::RightButton, {}, CellCentre(1, 1));
             CopyMenu()->close();
             window_->CopyShownValue();
         }},
        {"click on a result",
         [&] { QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, CellCentre(1, 2)); }},
        {"tab into the grid",
         [&] {
             Grid()->clearFocus();
             Grid()->setCurrentIndex({});
             Value()->setFocus();
             QTest::keyClick(Value(), Qt::Key_Tab);
         }},
        {"keys",
         [&] {
             for (const Qt::Key key : {Qt::Key_Right, Qt::Key_End, Qt::Key_Left, Qt::Key_Home,
                                       Qt::Key_Left, Qt::Key_Down}) {
                 QTest::keyClick(Grid(), key);
             }
         }},
        {"horizontal bar at its end",
         [&] {
             Grid()->horizontalScrollBar()->setValue(Grid()->horizontalScrollBar()->maximum());
         }},
    };
    for (const auto& [name, act] : actions) {
        SCOPED_TRACE(name);
        act();
        EXPECT_TRUE(Grid()->grab(namesArea).toImage() == names) << "the unit names moved";
        EXPECT_NE(Grid()->currentIndex().column(), 0);
    }
    EXPECT_EQ(QApplication::focusWidget(), Grid());
    EXPECT_EQ(QApplication::clipboard()->text(), Cell(1, 1));
    EXPECT_GT(Grid()->horizontalScrollBar()->maximum(), 0);
}

TEST_F(WindowInteraction, CaptionStripDragsWithAnyButton) {
    auto* strip = Find<QLabel>("Label5");
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        const QPoint start = window_->pos();
        QTest::mousePress(strip, button, {}, QPoint(200, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(230, 25), strip->mapToGlobal(QPointF(230, 25)),
                         Qt::NoButton, button, {});
        QApplication::sendEvent(strip, &move);
        QTest::mouseRelease(strip, button, {}, QPoint(230, 25));
        EXPECT_EQ(window_->pos(), start + QPoint(30, 15)) << button;
        // The move ends with the release of the button that began it.
        QMouseEvent after(QEvent::MouseMove, QPointF(260, 40), strip->mapToGlobal(QPointF(260, 40)),
                          Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(strip, &after);
        EXPECT_EQ(window_->pos(), start + QPoint(30, 15)) << button;
    }
}

TEST_F(WindowInteraction, HomepageOpensOnlyWebAddresses) {
    auto* link = Find<QLabel>("RzURLLabel2");
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(opened_.size(), 1U);
    EXPECT_EQ(opened_[0], HomepageAddress);
    for (const char* address : {"file:///etc/passwd", "C:\\Windows\\notepad.exe", "calc.exe",
                                "javascript:alert(1)", "http://", "   "}) {
        SetPropertyByName(link, "URL", address);
        QTest::mouseClick(link, Qt::LeftButton);
    }
    EXPECT_EQ(opened_.size(), 1U);
}

TEST_F(WindowInteraction, CloseButtonEndsAndShadowGoes) {
    EXPECT_NE(WindowShadow(), nullptr);
    QTest::mouseClick(Find<QWidget>("BtnSysClose"), Qt::LeftButton);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(WindowShadow(), nullptr);
}

} // namespace
} // namespace mensurix::testing
