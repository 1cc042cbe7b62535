// The drop shadow on a real X display with a window manager and a compositing manager: what a
// person sees (the halo's composited colours), where clicks go, the stacking order, minimising
// and restoring, and the focus.

#include "ui/shadow/alpha_scale_table.h"
#include "ui/shadow/form_shadow.h"
#include "ui/shadow/shadow_color.h"
#include "ui/shadow/shadow_image_build.h"
#include "ui/shadow/window_shape.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPalette>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace mensurix {
namespace {

constexpr std::uint32_t ShadowColorRef = 10582346;
const QColor BackgroundColor(220, 200, 40);
const QColor OwnerColor(30, 140, 90);
const QPoint OwnerPlace(200, 150);
constexpr int OwnerWidth = 610;
constexpr int OwnerHeight = 450;
constexpr int Patience = 5000; // ms for the window manager and the compositor to catch up

// ---- the X server, through Qt's own connection ------------------------------------------

xcb_connection_t* Connection() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

template <typename Reply> struct Owned {
    explicit Owned(Reply* reply) : get(reply) {}
    ~Owned() { std::free(get); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Reply* get;
};

// The root's children from the bottom of the stacking order to its top.
std::vector<xcb_window_t> RootChildrenBottomUp(xcb_window_t root) {
    const Owned tree(
        xcb_query_tree_reply(Connection(), xcb_query_tree(Connection(), root), nullptr));
    const xcb_window_t* children = xcb_query_tree_children(tree.get);
    return {children, children + xcb_query_tree_children_length(tree.get)};
}

xcb_window_t RootWindow() {
    return xcb_setup_roots_iterator(xcb_get_setup(Connection())).data->root;
}

// The window's ancestor among the root's children: the window manager's frame.
xcb_window_t TopLevelOf(xcb_window_t window) {
    for (;;) {
        const Owned tree(
            xcb_query_tree_reply(Connection(), xcb_query_tree(Connection(), window), nullptr));
        if (!tree.get || tree.get->parent == tree.get->root) {
            return window;
        }
        window = tree.get->parent;
    }
}

// How far up the stacking order a window stands among the root's children, or -1.
int StackIndex(xcb_window_t window) {
    const std::vector<xcb_window_t> order = RootChildrenBottomUp(RootWindow());
    const auto found = std::find(order.begin(), order.end(), window);
    return found == order.end() ? -1 : static_cast<int>(found - order.begin());
}

bool IsViewable(xcb_window_t window) {
    const Owned attributes(xcb_get_window_attributes_reply(
        Connection(), xcb_get_window_attributes(Connection(), window), nullptr));
    return attributes.get && attributes.get->map_state == XCB_MAP_STATE_VIEWABLE;
}

bool IsOverrideRedirect(xcb_window_t window) {
    const Owned attributes(xcb_get_window_attributes_reply(
        Connection(), xcb_get_window_attributes(Connection(), window), nullptr));
    return attributes.get && attributes.get->override_redirect != 0;
}

xcb_window_t InputFocus() {
    const Owned focus(
        xcb_get_input_focus_reply(Connection(), xcb_get_input_focus(Connection()), nullptr));
    return focus.get ? focus.get->focus : xcb_window_t{XCB_WINDOW_NONE};
}

xcb_window_t ActiveWindowOfTheWindowManager() {
    const char name[] = "_NET_ACTIVE_WINDOW";
    const Owned atom(xcb_intern_atom_reply(
        Connection(), xcb_intern_atom(Connection(), 1, sizeof name - 1, name), nullptr));
    if (!atom.get) {
        return XCB_WINDOW_NONE;
    }
    const Owned property(xcb_get_property_reply(
        Connection(),
        xcb_get_property(Connection(), 0, RootWindow(), atom.get->atom, XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    if (!property.get || xcb_get_property_value_length(property.get) < 4) {
        return XCB_WINDOW_NONE;
    }
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(property.get));
}

bool CompositingManagerRuns() {
    const char name[] = "_NET_WM_CM_S0";
    const Owned atom(xcb_intern_atom_reply(
        Connection(), xcb_intern_atom(Connection(), 0, sizeof name - 1, name), nullptr));
    const Owned owner(xcb_get_selection_owner_reply(
        Connection(), xcb_get_selection_owner(Connection(), atom.get->atom), nullptr));
    return owner.get && owner.get->owner != XCB_WINDOW_NONE;
}

int RunTool(const QString& program, const QStringList& arguments) {
    return QProcess::execute(program, arguments);
}

// ---- the windows of the scene ---------------------------------------------------------

void Paint(QWidget& widget, const QColor& color) {
    widget.setAutoFillBackground(true);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, color);
    widget.setPalette(palette);
}

// A plain full-screen window at the bottom of the stacking order that records every click.
class BackgroundWindow : public QWidget {
public:
    BackgroundWindow() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint) {
        Paint(*this, BackgroundColor);
        setGeometry(0, 0, 1024, 768);
    }
    std::vector<QPoint> presses;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        presses.push_back(event->globalPosition().toPoint());
    }
};

// The main window's shape and colour, wanting its shadow while it is shown, as the main window
// does in its show and hide handling.
class OwnerWindow : public QWidget {
public:
    explicit OwnerWindow(TFormShadow& shadow)
        : QWidget(nullptr, Qt::FramelessWindowHint), shadow_(shadow) {
        Paint(*this, OwnerColor);
        setGeometry(QRect(OwnerPlace, QSize(OwnerWidth, OwnerHeight)));
        setMask(RoundRectRegion(1, 1, OwnerWidth, OwnerHeight, 9, 9));
    }

protected:
    void showEvent(QShowEvent* /*event*/) override { shadow_.SetShadowVisible(true); }
    void hideEvent(QHideEvent* /*event*/) override { shadow_.SetShadowVisible(false); }

private:
    TFormShadow& shadow_;
};

// ---- expectations ------------------------------------------------------------------------

// Going outward from the owner's shape at the middle of an edge: where the first pixel lies on
// the screen, the step, and the halo's opacities there.
struct Edge {
    std::string name;
    QPoint first;
    QPoint step;
    std::vector<int> opacities;
};

std::vector<Edge> Edges(QPoint owner) {
    const int middleX = owner.x() + OwnerWidth / 2;
    const int middleY = owner.y() + OwnerHeight / 2;
    const std::vector<int> sides = {113, 97, 79, 64, 48, 37, 24, 17, 11, 7, 4, 3, 1, 1, 0};
    return {
        // The shape leaves out the owner's column 0 and row 0.
        {"left", {owner.x(), middleY}, {-1, 0}, sides},
        {"right", {owner.x() + OwnerWidth, middleY}, {1, 0}, sides},
        {"top", {middleX, owner.y()}, {0, -1}, {140, 121, 99, 71, 47, 31, 0}},
        {"bottom",
         {middleX, owner.y() + OwnerHeight},
         {0, 1},
         {91, 76, 63, 51, 41, 34, 27, 21, 17, 14, 10, 8, 7, 5, 4, 4}},
    };
}

// The background seen through the halo: background * (1 - a / 255) + premultiplied colour.
QColor Composited(int opacity) {
    const ShadowColorRgb color = RgbFromColorRef(ShadowColorRef);
    const auto& scale = AlphaScaleTable();
    auto channel = [&](int background, std::uint8_t shadow) {
        return background * (255 - opacity) / 255 + scale[shadow][opacity];
    };
    return QColor(channel(BackgroundColor.red(), color.red),
                  channel(BackgroundColor.green(), color.green),
                  channel(BackgroundColor.blue(), color.blue));
}

bool Near(const QColor& seen, const QColor& wanted) {
    return std::abs(seen.red() - wanted.red()) <= 2 &&
           std::abs(seen.green() - wanted.green()) <= 2 &&
           std::abs(seen.blue() - wanted.blue()) <= 2;
}

std::string Text(const QColor& color) {
    return "(" + std::to_string(color.red()) + ", " + std::to_string(color.green()) + ", " +
           std::to_string(color.blue()) + ")";
}

QImage Screen() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

// Every pixel of the halo profiles that differs from its expected colour, as text.
std::vector<std::string> HaloMismatches(QPoint owner) {
    const QImage screen = Screen();
    std::vector<std::string> mismatches;
    for (const Edge& edge : Edges(owner)) {
        QPoint at = edge.first;
        for (const int opacity : edge.opacities) {
            const QColor seen = screen.pixelColor(at);
            if (!Near(seen, Composited(opacity))) {
                mismatches.push_back(edge.name + " at " + std::to_string(at.x()) + "," +
                                     std::to_string(at.y()) + ": " + Text(seen) + " instead of " +
                                     Text(Composited(opacity)));
            }
            at += edge.step;
        }
    }
    return mismatches;
}

// ---- the scene -----------------------------------------------------------------------------

class ShadowOnScreenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(CompositingManagerRuns()) << "run with a compositing manager";
        background = new BackgroundWindow;
        background->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(background));
        shadow = new TFormShadow;
        owner = new OwnerWindow(*shadow);
        shadow->SetOwnerForm(owner);
        shadow->SetShadowColor(ShadowColorRef);
        owner->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(owner));
        ASSERT_TRUE(
            QTest::qWaitFor([] { return HaloMismatches(OwnerPosition()).empty(); }, Patience));
    }

    static void TearDownTestSuite() {
        delete shadow;
        delete owner;
        delete background;
    }

    void SetUp() override { ASSERT_NE(shadow, nullptr); }
    void TearDown() override {
        if (shadow) {
            ExpectTheShadowHasNoFocus();
        }
    }

    static QPoint OwnerPosition() { return owner->frameGeometry().topLeft(); }
    static xcb_window_t ShadowWindow() { return static_cast<xcb_window_t>(shadow->winId()); }
    static xcb_window_t OwnerTop() { return TopLevelOf(static_cast<xcb_window_t>(owner->winId())); }

    static bool ShadowDirectlyBelowOwner() {
        const int shadowIndex = StackIndex(ShadowWindow());
        return shadowIndex >= 0 && shadowIndex + 1 == StackIndex(OwnerTop());
    }

    static void ExpectTheShadowHasNoFocus() {
        EXPECT_NE(InputFocus(), ShadowWindow());
        EXPECT_NE(ActiveWindowOfTheWindowManager(), ShadowWindow());
        EXPECT_NE(QGuiApplication::focusWindow(), shadow->windowHandle());
        EXPECT_FALSE(shadow->isActiveWindow());
    }

    static inline BackgroundWindow* background = nullptr;
    static inline TFormShadow* shadow = nullptr;
    static inline OwnerWindow* owner = nullptr;
};

TEST_F(ShadowOnScreenTest, HaloIsCompositedOverWhatLiesBelow) {
    for (const std::string& mismatch : HaloMismatches(OwnerPosition())) {
        ADD_FAILURE() << mismatch;
    }
    // The window manager may still be restacking the owner it has just framed.
    const QRect around(OwnerPosition() - QPoint(ShadowMargin, ShadowMargin),
                       QSize(OwnerWidth + 32, OwnerHeight + 32));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shadow->geometry() == around; }, Patience));
    EXPECT_TRUE(IsOverrideRedirect(ShadowWindow()));
    EXPECT_TRUE(QTest::qWaitFor(ShadowDirectlyBelowOwner, Patience));
    EXPECT_EQ(shadow->BuildCount(), 1);
    // The X server keeps the halo's picture and draws it: the program holds no drawing buffer
    // the size of the halo.
    const QBackingStore* store = shadow->backingStore();
    EXPECT_TRUE(!store || store->size().isEmpty()) << store->size().width();
}

TEST_F(ShadowOnScreenTest, ClicksOnTheHaloReachTheWindowBelow) {
    for (const QPoint target : {OwnerPosition() + QPoint(-3, OwnerHeight / 2),
                                OwnerPosition() + QPoint(OwnerWidth / 2, OwnerHeight + 2)}) {
        SCOPED_TRACE(std::to_string(target.x()) + "," + std::to_string(target.y()));
        background->presses.clear();
        ASSERT_EQ(RunTool("xdotool", {"mousemove", "--sync", QString::number(target.x()),
                                      QString::number(target.y()), "click", "1"}),
                  0);
        EXPECT_TRUE(QTest::qWaitFor([] { return !background->presses.empty(); }, Patience));
        EXPECT_EQ(background->presses, std::vector<QPoint>{target});
    }
}

TEST_F(ShadowOnScreenTest, StaysDirectlyBelowTheOwnerWhenItIsActivatedAgain) {
    QWidget other(nullptr, Qt::FramelessWindowHint);
    Paint(other, Qt::white);
    other.setGeometry(QRect(OwnerPosition() + QPoint(300, 200), QSize(400, 300)));
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    const xcb_window_t otherTop = TopLevelOf(static_cast<xcb_window_t>(other.winId()));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return StackIndex(otherTop) > StackIndex(OwnerTop()); }, Patience));
    EXPECT_TRUE(QTest::qWaitFor(ShadowDirectlyBelowOwner, Patience));

    ASSERT_EQ(RunTool("xdotool", {"windowactivate", "--sync", QString::number(owner->winId())}), 0);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return StackIndex(OwnerTop()) > StackIndex(otherTop); }, Patience));
    EXPECT_TRUE(QTest::qWaitFor(ShadowDirectlyBelowOwner, Patience));
    ExpectTheShadowHasNoFocus();
    EXPECT_EQ(shadow->BuildCount(), 1);
}

TEST_F(ShadowOnScreenTest, MinimisingHidesTheHaloAndRestoringBringsItBack) {
    const QRect before = shadow->geometry();
    const QPoint halo = OwnerPosition() + QPoint(-1, OwnerHeight / 2);

    owner->showMinimized();
    // Restoring before the window manager has iconified the owner would be undone by it.
    ASSERT_TRUE(QTest::qWaitFor(
        [] { return !IsViewable(static_cast<xcb_window_t>(owner->winId())); }, Patience));
    EXPECT_TRUE(QTest::qWaitFor([] { return !IsViewable(ShadowWindow()); }, Patience));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return Near(Screen().pixelColor(halo), BackgroundColor); }, Patience))
        << Text(Screen().pixelColor(halo));
    ExpectTheShadowHasNoFocus();

    owner->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([] { return IsViewable(ShadowWindow()); }, Patience));
    EXPECT_TRUE(QTest::qWaitFor([] { return HaloMismatches(OwnerPosition()).empty(); }, Patience));
    for (const std::string& mismatch : HaloMismatches(OwnerPosition())) {
        ADD_FAILURE() << mismatch;
    }
    EXPECT_EQ(shadow->geometry(), before);
    EXPECT_TRUE(QTest::qWaitFor(ShadowDirectlyBelowOwner, Patience));
    EXPECT_EQ(shadow->BuildCount(), 1);
}

TEST_F(ShadowOnScreenTest, FollowsAMoveWithoutRedrawing) {
    const QPoint to = OwnerPosition() + QPoint(-60, 40);
    owner->move(to);
    EXPECT_TRUE(QTest::qWaitFor([&] { return HaloMismatches(to).empty(); }, Patience));
    for (const std::string& mismatch : HaloMismatches(to)) {
        ADD_FAILURE() << mismatch;
    }
    EXPECT_EQ(shadow->BuildCount(), 1);
}

// Without a compositing manager the halo's translucent pixels would show as an opaque dark
// frame around the window: the halo stays away.
TEST(ShadowWithoutCompositorTest, StaysHidden) {
    ASSERT_FALSE(CompositingManagerRuns()) << "run without a compositing manager";
    BackgroundWindow background;
    background.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&background));
    TFormShadow shadow;
    OwnerWindow owner(shadow);
    shadow.SetOwnerForm(&owner);
    shadow.SetShadowColor(ShadowColorRef);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    // Where the halo would stand once the owner has moved on the screen: the background.
    const QPoint moved = OwnerPlace + QPoint(10, 10);
    owner.move(moved);
    const QPoint halo = moved + QPoint(-1, OwnerHeight / 2);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QImage screen = Screen();
            return Near(screen.pixelColor(moved + QPoint(5, OwnerHeight / 2)), OwnerColor) &&
                   Near(screen.pixelColor(halo), BackgroundColor);
        },
        Patience))
        << Text(Screen().pixelColor(halo));
    EXPECT_FALSE(shadow.isVisible());
    EXPECT_FALSE(IsViewable(static_cast<xcb_window_t>(shadow.winId())));
}

} // namespace
} // namespace mensurix
