#include "main_window_halo.h"

#include "halo/shadow_image_build.h"
#include "ui/shadow/halo_window.h"
#include "ui/shadow/owner_transparency.h"
#include "ui/shadow/window_shape.h"

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace mensurix {
namespace {

using test::OwnerHeight;
using test::OwnerWidth;

const QPoint OwnerPosition(100, 80);
const QPoint MarginShift(-ShadowMargin, -ShadowMargin);

// The halo as it would be drawn on the screen, premultiplied.
QImage ShadowPixels(HaloWindow& shadow) {
    return shadow.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

int OpacityAt(const QImage& image, int x, int y) {
    return qAlpha(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]);
}

std::unique_ptr<QWidget> MakeOwner(QPoint position, bool rounded) {
    auto owner = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    owner->setGeometry(QRect(position, QSize(OwnerWidth, OwnerHeight)));
    if (rounded) {
        owner->setMask(RoundRectRegion(1, 1, OwnerWidth, OwnerHeight, 9, 9));
    }
    return owner;
}

// An owner set up and shown as the main window does it: shape, shadow attached, colour set,
// and the shadow wanted from the moment the window shows.
class FormShadowTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner_ = MakeOwner(OwnerPosition, true);
        shadow_ = std::make_unique<HaloWindow>();
        shadow_->SetOwnerForm(owner_.get());
        shadow_->SetShadowColor(MainWindowShadowColor);
        owner_->show();
        shadow_->SetShadowVisible(true);
    }

    QRect ExpectedGeometry() const {
        return QRect(owner_->frameGeometry().topLeft() + MarginShift,
                     owner_->frameGeometry().size() + QSize(2 * ShadowMargin, 2 * ShadowMargin));
    }

    std::unique_ptr<QWidget> owner_;
    std::unique_ptr<HaloWindow> shadow_;
};

TEST_F(FormShadowTest, StandsAroundTheShownOwner) {
    EXPECT_TRUE(shadow_->isVisible());
    EXPECT_TRUE(shadow_->isWindow());
    EXPECT_EQ(shadow_->geometry(), QRect(84, 64, 642, 482));
    EXPECT_EQ(shadow_->BuildCount(), 1);
}

TEST_F(FormShadowTest, MovesWithTheOwnerWithoutRedrawing) {
    for (const QPoint to : {QPoint(300, 200), QPoint(-50, 10), QPoint(0, 0)}) {
        owner_->move(to);
        EXPECT_EQ(shadow_->pos(), to + MarginShift);
    }
    EXPECT_EQ(shadow_->BuildCount(), 1);
}

TEST_F(FormShadowTest, ResizeRedrawsOncePerSize) {
    owner_->resize(500, 400);
    EXPECT_EQ(shadow_->BuildCount(), 2);
    EXPECT_EQ(shadow_->geometry(), ExpectedGeometry());
    EXPECT_EQ(shadow_->size(), QSize(532, 432));
    owner_->resize(500, 400);
    owner_->move(10, 10);
    EXPECT_EQ(shadow_->BuildCount(), 2);
}

TEST_F(FormShadowTest, HiddenWhileTheOwnerIsNotShownNormally) {
    struct Case {
        std::string name;
        std::function<void(QWidget&)> leave;
        std::function<void(QWidget&)> back;
    };
    const std::vector<Case> cases = {
        {"hidden", [](QWidget& w) { w.hide(); }, [](QWidget& w) { w.show(); }},
        {"minimised", [](QWidget& w) { w.showMinimized(); }, [](QWidget& w) { w.showNormal(); }},
        {"maximised", [](QWidget& w) { w.showMaximized(); }, [](QWidget& w) { w.showNormal(); }},
        {"full screen", [](QWidget& w) { w.showFullScreen(); }, [](QWidget& w) { w.showNormal(); }},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const QRect before = shadow_->geometry();
        row.leave(*owner_);
        EXPECT_FALSE(shadow_->isVisible());
        row.back(*owner_);
        EXPECT_TRUE(shadow_->isVisible());
        EXPECT_EQ(shadow_->geometry(), before);
    }
}

TEST_F(FormShadowTest, FollowsTheWantedVisibility) {
    shadow_->SetShadowVisible(false);
    EXPECT_FALSE(shadow_->isVisible());
    owner_->move(200, 200);
    EXPECT_FALSE(shadow_->isVisible());
    shadow_->SetShadowVisible(true);
    EXPECT_TRUE(shadow_->isVisible());
    EXPECT_EQ(shadow_->pos(), QPoint(200, 200) + MarginShift);
    EXPECT_EQ(shadow_->BuildCount(), 1);
}

TEST_F(FormShadowTest, SameColourChangesNothing) {
    const QImage before = ShadowPixels(*shadow_);
    shadow_->SetShadowColor(MainWindowShadowColor);
    EXPECT_EQ(ShadowPixels(*shadow_), before);
    EXPECT_EQ(shadow_->BuildCount(), 1);
}

TEST_F(FormShadowTest, NewColourKeepsTheOpacities) {
    const QImage before = ShadowPixels(*shadow_);
    shadow_->SetShadowColor(0x0000FF); // red
    const QImage after = ShadowPixels(*shadow_);
    EXPECT_EQ(shadow_->BuildCount(), 1);
    bool opacitiesKept = true;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            opacitiesKept = opacitiesKept && OpacityAt(after, x, y) == OpacityAt(before, x, y);
        }
    }
    EXPECT_TRUE(opacitiesKept);
    const QRgb halo = after.pixel(ShadowMargin, ShadowMargin + OwnerHeight / 2);
    EXPECT_EQ(qAlpha(halo), 113);
    EXPECT_EQ(qRed(halo), 113); // full red premultiplied by 113
    EXPECT_EQ(qBlue(halo), 0);
}

TEST_F(FormShadowTest, SameOwnerAgainChangesNothing) {
    shadow_->SetOwnerForm(owner_.get());
    owner_->move(10, 20);
    EXPECT_EQ(shadow_->BuildCount(), 1);
    EXPECT_EQ(shadow_->pos(), QPoint(10, 20) + MarginShift);
}

TEST_F(FormShadowTest, AnotherOwnerReleasesTheFirst) {
    const auto second = MakeOwner(QPoint(400, 300), true);
    second->show();
    shadow_->SetOwnerForm(second.get());
    EXPECT_EQ(shadow_->BuildCount(), 2);
    EXPECT_EQ(shadow_->pos(), QPoint(400, 300) + MarginShift);

    owner_->move(0, 0);
    owner_->resize(300, 300);
    owner_->hide();
    EXPECT_TRUE(shadow_->isVisible());
    EXPECT_EQ(shadow_->pos(), QPoint(400, 300) + MarginShift);
    EXPECT_EQ(shadow_->BuildCount(), 2);

    second->move(420, 310);
    EXPECT_EQ(shadow_->pos(), QPoint(420, 310) + MarginShift);
}

TEST_F(FormShadowTest, DetachingLeavesTheOwnerAsItWas) {
    const QRect geometry = owner_->geometry();
    const QRegion mask = owner_->mask();
    const Qt::WindowFlags flags = owner_->windowFlags();
    shadow_->SetOwnerForm(nullptr);
    EXPECT_EQ(owner_->geometry(), geometry);
    EXPECT_EQ(owner_->mask(), mask);
    EXPECT_EQ(owner_->windowFlags(), flags);
    EXPECT_FALSE(shadow_->isVisible());

    owner_->move(5, 5);
    shadow_->SetShadowVisible(false);
    shadow_->SetShadowVisible(true);
    EXPECT_FALSE(shadow_->isVisible());
    EXPECT_EQ(shadow_->pos(), QPoint(84, 64));
}

TEST_F(FormShadowTest, OwnerDestroyedFirstTakesTheHaloAway) {
    owner_.reset();
    EXPECT_FALSE(shadow_->isVisible());
    shadow_->SetShadowVisible(false);
    shadow_->SetShadowColor(0);
}

TEST_F(FormShadowTest, ShadowDestroyedFirstLeavesTheOwnerWorking) {
    shadow_.reset();
    owner_->move(1, 1);
    owner_->hide();
    owner_->show();
    EXPECT_EQ(owner_->pos(), QPoint(1, 1));
}

TEST_F(FormShadowTest, TakesTheOwnersOpacity) {
    owner_->setWindowOpacity(0.5);
    owner_->resize(600, 440);
    EXPECT_NEAR(shadow_->windowOpacity(), 0.5, 1.0 / 255); // kept in 255 steps
}

TEST(FormShadowShapeTest, UnmaskedOwnerCastsItsRectangle) {
    struct Case {
        std::string name;
        bool rounded;
        int opacityAtColumnZero; // the owner's first pixel column, at mid-height
    };
    const std::vector<Case> cases = {{"rounded", true, 113}, {"rectangle", false, 0}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const auto owner = MakeOwner(OwnerPosition, row.rounded);
        HaloWindow shadow;
        shadow.SetOwnerForm(owner.get());
        shadow.SetShadowColor(MainWindowShadowColor);
        owner->show();
        shadow.SetShadowVisible(true);
        const QImage pixels = ShadowPixels(shadow);
        EXPECT_EQ(OpacityAt(pixels, ShadowMargin, ShadowMargin + OwnerHeight / 2),
                  row.opacityAtColumnZero);
        EXPECT_GT(OpacityAt(pixels, ShadowMargin - 1, ShadowMargin + OwnerHeight / 2), 0);
    }
}

TEST(FormShadowTransparencyTest, SeeThroughOwnerCastsNoHaloAndRedrawsOnItsColourChange) {
    const auto owner = MakeOwner(OwnerPosition, true);
    owner->setAutoFillBackground(true);
    QPalette palette = owner->palette();
    palette.setColor(QPalette::Window, Qt::magenta);
    owner->setPalette(palette);
    HaloWindow shadow;
    shadow.SetOwnerForm(owner.get());
    owner->show();
    shadow.SetShadowVisible(true);
    const QPoint halo(ShadowMargin - 1, ShadowMargin + OwnerHeight / 2);
    EXPECT_GT(OpacityAt(ShadowPixels(shadow), halo.x(), halo.y()), 0);

    // The whole client area shows the transparent colour: nothing casts a shadow.
    owner->setProperty(TransparentColorProperty, QColor(Qt::magenta));
    owner->move(120, 90);
    EXPECT_EQ(shadow.BuildCount(), 2);
    EXPECT_EQ(OpacityAt(ShadowPixels(shadow), halo.x(), halo.y()), 0);
    owner->move(130, 90);
    EXPECT_EQ(shadow.BuildCount(), 2);

    owner->setProperty(TransparentColorProperty, QColor(Qt::cyan));
    owner->move(140, 90);
    EXPECT_EQ(shadow.BuildCount(), 3);
    EXPECT_GT(OpacityAt(ShadowPixels(shadow), halo.x(), halo.y()), 0);
}

TEST(FormShadowLifetimeTest, NoNativeWindowBeforeItIsNeeded) {
    const auto owner = MakeOwner(OwnerPosition, true);
    HaloWindow shadow;
    shadow.SetOwnerForm(owner.get());
    shadow.SetShadowVisible(true);
    EXPECT_EQ(shadow.internalWinId(), WId(0));
    EXPECT_EQ(shadow.BuildCount(), 0);
    owner->show();
    EXPECT_NE(shadow.internalWinId(), WId(0));
    EXPECT_EQ(shadow.BuildCount(), 1);
}

TEST(FormShadowLifetimeTest, ParentOwnsTheShadowButNeverFramesIt) {
    auto owner = MakeOwner(OwnerPosition, true);
    QPointer<HaloWindow> shadow = new HaloWindow(owner.get());
    shadow->SetOwnerForm(owner.get());
    owner->show();
    shadow->SetShadowVisible(true);
    EXPECT_TRUE(shadow->isWindow());
    EXPECT_TRUE(shadow->isVisible());
    EXPECT_EQ(shadow->geometry(), QRect(84, 64, 642, 482));
    owner.reset();
    EXPECT_TRUE(shadow.isNull());
}

} // namespace
} // namespace mensurix
