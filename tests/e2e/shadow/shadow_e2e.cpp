// The drop shadow on a real X display with a window manager and a compositing manager: what a
// person sees (the halo's composited colours), where clicks go, the stacking order, minimising
// and restoring, and the focus. Run at any QT_SCALE_FACTOR: the picture on the screen is then
// held against the 100 % halo scaled.

#include "halo/shadow_color.h"
#include "halo/shadow_image_build.h"
#include "ui/shadow/halo_window.h"
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
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace mensurix {
namespace {

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

// The main window's fixed size, shape and colour, wanting its shadow while it is shown, as the
// main window does in its show and hide handling. Fixed, as the main window is, it keeps its
// size at a fractional scale, where the window manager would otherwise round it to Qt's resize
// increments.
class OwnerWindow : public QWidget {
public:
    explicit OwnerWindow(HaloWindow& shadow)
        : QWidget(nullptr, Qt::FramelessWindowHint), shadow_(shadow) {
        Paint(*this, OwnerColor);
        setGeometry(QRect(OwnerPlace, QSize(OwnerWidth, OwnerHeight)));
        setFixedSize(OwnerWidth, OwnerHeight);
        setMask(RoundRectRegion(1, 1, OwnerWidth, OwnerHeight, 9, 9));
    }

protected:
    void showEvent(QShowEvent* /*event*/) override { shadow_.SetShadowVisible(true); }
    void hideEvent(QHideEvent* /*event*/) override { shadow_.SetShadowVisible(false); }

private:
    HaloWindow& shadow_;
};

// ---- expectations ------------------------------------------------------------------------

// The screen's device pixels per logical pixel (QT_SCALE_FACTOR).
double Scale() {
    return QGuiApplication::primaryScreen()->devicePixelRatio();
}

// Where the window system puts a logical point, in device pixels.
QPoint Device(QPoint logical) {
    return logical * Scale();
}

// The owner's top-left corner on the screen in device pixels, as the X server has it.
QPoint OwnerOnScreen(const QWidget& owner) {
    const Owned place(xcb_translate_coordinates_reply(
        Connection(),
        xcb_translate_coordinates(Connection(), static_cast<xcb_window_t>(owner.winId()),
                                  RootWindow(), 0, 0),
        nullptr));
    return place.get ? QPoint(place.get->dst_x, place.get->dst_y) : QPoint(-1, -1);
}

// Going outward from one edge of the owner's shape: the edge's logical distance from the
// owner's left or top, the direction, and the halo's opacities at 100 %, the first half a pixel
// outside the edge and then one per logical pixel.
struct Edge {
    std::string name;
    bool vertical;
    int at;
    int outward;
    std::vector<int> opacities;
};

const std::vector<Edge>& Edges() {
    const std::vector<int> sides = {113, 97, 79, 64, 48, 37, 24, 17, 11, 7, 4, 3, 1, 1, 0};
    // The shape leaves out the owner's column 0 and row 0.
    static const std::vector<Edge> edges = {
        {"left", true, 1, -1, sides},
        {"right", true, OwnerWidth, 1, sides},
        {"top", false, 1, -1, {140, 121, 99, 71, 47, 31, 0}},
        {"bottom",
         false,
         OwnerHeight,
         1,
         {91, 76, 63, 51, 41, 34, 27, 21, 17, 14, 10, 8, 7, 5, 4, 4}},
    };
    return edges;
}

// The opacity a device pixel whose centre lies distance device pixels outside the edge shows:
// the 100 % profile stretched by the scale, linearly between its pixels. Nothing for the pixel
// the edge cuts through, nor beyond the profile.
std::optional<double> ScaledOpacity(const Edge& edge, double distance) {
    const double u = distance / Scale() - 0.5;
    const auto last = static_cast<double>(edge.opacities.size() - 1);
    if (u < 0 || u > last) {
        return std::nullopt;
    }
    const auto below = static_cast<std::size_t>(u);
    const std::size_t above = std::min(below + 1, edge.opacities.size() - 1);
    return edge.opacities[below] + (u - below) * (edge.opacities[above] - edge.opacities[below]);
}

// The background seen through the halo: background * (1 - a / 255) + premultiplied colour.
QColor Composited(double opacity) {
    const ShadowColorRgb color = RgbFromColorRef(MainWindowShadowColor);
    auto channel = [&](int background, std::uint8_t shadow) {
        return static_cast<int>(
            std::lround((background * (255 - opacity) + shadow * opacity) / 255));
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

std::string Text(QPoint point) {
    return std::to_string(point.x()) + "," + std::to_string(point.y());
}

// In device pixels.
QImage Screen() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

// Every device pixel of the halo that differs from the 100 % halo scaled, as text: outward from
// the middle of each edge, and along the band 2 device pixels outside each edge over its whole
// straight part, where a tiled, cut or misplaced picture shows first.
std::vector<std::string> HaloMismatches(QPoint owner) {
    const QImage screen = Screen();
    const double scale = Scale();
    std::vector<std::string> mismatches;
    const auto check = [&](const Edge& edge, QPoint at, double distance) {
        const std::optional<double> opacity = ScaledOpacity(edge, distance);
        const QColor seen = screen.pixelColor(at);
        if (opacity && !Near(seen, Composited(*opacity))) {
            mismatches.push_back(edge.name + " at " + Text(at) + ": " + Text(seen) +
                                 " instead of " + Text(Composited(*opacity)));
        }
    };
    for (const Edge& edge : Edges()) {
        // The edge and the owner's middle across it, in device pixels.
        const double line = (edge.vertical ? owner.x() : owner.y()) + edge.at * scale;
        const int middle = (edge.vertical ? owner.y() : owner.x()) +
                           static_cast<int>((edge.vertical ? OwnerHeight : OwnerWidth) * scale / 2);
        const int length = static_cast<int>((edge.vertical ? OwnerHeight : OwnerWidth) * scale);
        const auto point = [&](int across, int along) {
            return edge.vertical ? QPoint(across, along) : QPoint(along, across);
        };
        const auto distance = [&](int across) { return edge.outward * (across + 0.5 - line); };
        const int first =
            static_cast<int>(edge.outward < 0 ? std::ceil(line) - 1 : std::floor(line));
        const int reach = static_cast<int>(edge.opacities.size() * scale) + 1;
        for (int step = 0; step <= reach; ++step) {
            const int across = first + edge.outward * step;
            check(edge, point(across, middle), distance(across));
        }
        const int band = static_cast<int>(std::floor(line)) + edge.outward * 2;
        const int corner = static_cast<int>(2 * ShadowMargin * scale);
        const int start = middle - length / 2 + corner;
        for (int along = start; along < start + length - 2 * corner; ++along) {
            check(edge, point(band, along), distance(band));
        }
    }
    return mismatches;
}

// How many mismatches there are, and the first few.
std::string Summary(const std::vector<std::string>& mismatches) {
    std::string text = std::to_string(mismatches.size()) + " pixels differ";
    for (std::size_t i = 0; i < std::min<std::size_t>(mismatches.size(), 5); ++i) {
        text += "\n  " + mismatches[i];
    }
    return text;
}

// ---- the scene -----------------------------------------------------------------------------

class ShadowOnScreenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(CompositingManagerRuns()) << "run with a compositing manager";
        background = new BackgroundWindow;
        background->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(background));
        shadow = new HaloWindow;
        owner = new OwnerWindow(*shadow);
        shadow->SetOwnerForm(owner);
        shadow->SetShadowColor(MainWindowShadowColor);
        owner->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(owner));
        ASSERT_TRUE(
            QTest::qWaitFor([] { return HaloMismatches(OwnerOnScreen(*owner)).empty(); }, Patience))
            << Summary(HaloMismatches(OwnerOnScreen(*owner)));
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
    static inline HaloWindow* shadow = nullptr;
    static inline OwnerWindow* owner = nullptr;
};

TEST_F(ShadowOnScreenTest, HaloIsCompositedOverWhatLiesBelow) {
    EXPECT_EQ(OwnerOnScreen(*owner), Device(OwnerPosition()));
    for (const std::string& mismatch : HaloMismatches(OwnerOnScreen(*owner))) {
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
    // Even logical points, whole device pixels at every scale the tests run at.
    for (const QPoint target : {OwnerPosition() + QPoint(-4, OwnerHeight / 2 + 1),
                                OwnerPosition() + QPoint(OwnerWidth / 2 + 1, OwnerHeight + 2)}) {
        SCOPED_TRACE(Text(target));
        background->presses.clear();
        const QPoint device = Device(target);
        ASSERT_EQ(RunTool("xdotool", {"mousemove", "--sync", QString::number(device.x()),
                                      QString::number(device.y()), "click", "1"}),
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
    const QPoint halo = Device(OwnerPosition() + QPoint(-1, OwnerHeight / 2));

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
    EXPECT_TRUE(
        QTest::qWaitFor([] { return HaloMismatches(OwnerOnScreen(*owner)).empty(); }, Patience));
    for (const std::string& mismatch : HaloMismatches(OwnerOnScreen(*owner))) {
        ADD_FAILURE() << mismatch;
    }
    EXPECT_EQ(shadow->geometry(), before);
    EXPECT_TRUE(QTest::qWaitFor(ShadowDirectlyBelowOwner, Patience));
    EXPECT_EQ(shadow->BuildCount(), 1);
}

TEST_F(ShadowOnScreenTest, FollowsAMoveWithoutRedrawing) {
    // Odd steps: at a fractional scale the new place falls between device pixels.
    const QPoint to = OwnerPosition() + QPoint(-61, 43);
    owner->move(to);
    ASSERT_TRUE(QTest::qWaitFor([&] { return OwnerOnScreen(*owner) == Device(to); }, Patience));
    EXPECT_TRUE(QTest::qWaitFor([&] { return HaloMismatches(Device(to)).empty(); }, Patience));
    for (const std::string& mismatch : HaloMismatches(Device(to))) {
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
    HaloWindow shadow;
    OwnerWindow owner(shadow);
    shadow.SetOwnerForm(&owner);
    shadow.SetShadowColor(MainWindowShadowColor);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    // Where the halo would stand once the owner has moved on the screen: the background.
    const QPoint moved = OwnerPlace + QPoint(10, 10);
    owner.move(moved);
    const QPoint halo = moved + QPoint(-1, OwnerHeight / 2);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QImage screen = Screen();
            return Near(screen.pixelColor(Device(moved + QPoint(5, OwnerHeight / 2))),
                        OwnerColor) &&
                   Near(screen.pixelColor(Device(halo)), BackgroundColor);
        },
        Patience))
        << Text(Screen().pixelColor(Device(halo)));
    EXPECT_FALSE(shadow.isVisible());
    EXPECT_FALSE(IsViewable(static_cast<xcb_window_t>(shadow.winId())));
}

} // namespace
} // namespace mensurix
