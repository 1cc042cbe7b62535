// The halo window on two screens of their own scale, 150 % and 200 % (two_screens.json), drawn
// by Qt as the Windows layered window is: its picture in the device pixels of the screen the
// owner stands on, pixel for pixel the halo the image code scales, drawn anew when the owner
// moves to the other screen.

#include "main_window_halo.h"

#include "halo/shadow_image_scale.h"
#include "ui/shadow/halo_window.h"
#include "ui/shadow/owner_shadow_shape.h"
#include "ui/shadow/window_shape.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace mensurix {
namespace {

using test::OwnerHeight;
using test::OwnerWidth;

constexpr int LogicalWidth = OwnerWidth + 2 * ShadowMargin;
constexpr int LogicalHeight = OwnerHeight + 2 * ShadowMargin;

// Pixels whose opacity differs from the image code's halo by more than a level.
int DifferingPixels(HaloWindow& shadow, const QWidget& owner, double ratio) {
    const HaloScale scale = HaloScaleFor(ratio, LogicalWidth, LogicalHeight);
    ShadowImage wanted;
    BuildScaledShadowImage(wanted, scale, LogicalWidth, LogicalHeight, OwnerShadowShape(owner),
                           std::nullopt);
    const QImage seen =
        shadow.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (seen.width() != scale.width || seen.height() != scale.height) {
        ADD_FAILURE() << "picture of " << seen.width() << " x " << seen.height();
        return -1;
    }
    int differing = 0;
    for (int y = 0; y < seen.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(seen.constScanLine(y));
        for (int x = 0; x < seen.width(); ++x) {
            differing += std::abs(qAlpha(row[x]) - BlueOf(wanted.Pixel(x, y))) > 1 ? 1 : 0;
        }
    }
    return differing;
}

TEST(FormShadowScaledTest, PictureInTheDevicePixelsOfTheOwnersScreen) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2) << "run on the screens of two_screens.json";
    QWidget owner(nullptr, Qt::FramelessWindowHint);
    owner.setGeometry(QRect(QPoint(100, 80), QSize(OwnerWidth, OwnerHeight)));
    owner.setMask(RoundRectRegion(1, 1, OwnerWidth, OwnerHeight, 9, 9));
    HaloWindow shadow;
    shadow.SetOwnerForm(&owner);
    shadow.SetShadowColor(MainWindowShadowColor);
    owner.show();
    shadow.SetShadowVisible(true);

    struct Screen {
        std::string name;
        double ratio;
    };
    const std::vector<Screen> screens = {{"at150", 1.5}, {"at200", 2.0}, {"at150", 1.5}};
    int builds = 0;
    for (const Screen& screen : screens) {
        SCOPED_TRACE(screen.name);
        const QScreen* target = nullptr;
        for (const QScreen* candidate : QGuiApplication::screens()) {
            target = candidate->name() == QString::fromStdString(screen.name) ? candidate : target;
        }
        ASSERT_NE(target, nullptr);
        const QPoint place = target->geometry().topLeft() + QPoint(100, 80);
        owner.move(place);
        ASSERT_EQ(owner.devicePixelRatio(), screen.ratio);
        EXPECT_EQ(shadow.BuildCount(), ++builds);
        EXPECT_EQ(shadow.geometry(), QRect(place - QPoint(ShadowMargin, ShadowMargin),
                                           QSize(LogicalWidth, LogicalHeight)));
        EXPECT_EQ(DifferingPixels(shadow, owner, screen.ratio), 0);
    }
}

} // namespace
} // namespace mensurix
