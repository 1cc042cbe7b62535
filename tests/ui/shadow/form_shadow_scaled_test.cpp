// The halo window at 150 % (QT_SCALE_FACTOR=1.5), drawn by Qt as the Windows layered window is:
// its picture in device pixels, pixel for pixel the halo the image code scales.

#include "main_window_halo.h"

#include "ui/shadow/form_shadow.h"
#include "ui/shadow/owner_shadow_shape.h"
#include "ui/shadow/shadow_image_scale.h"
#include "ui/shadow/window_shape.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace mensurix {
namespace {

using test::MainShadowColor;
using test::OwnerHeight;
using test::OwnerWidth;

TEST(FormShadowScaledTest, PictureIsTheScaledHaloInDevicePixels) {
    QWidget owner(nullptr, Qt::FramelessWindowHint);
    owner.setGeometry(QRect(QPoint(100, 80), QSize(OwnerWidth, OwnerHeight)));
    owner.setMask(RoundRectRegion(1, 1, OwnerWidth, OwnerHeight, 9, 9));
    TFormShadow shadow;
    shadow.SetOwnerForm(&owner);
    shadow.SetShadowColor(MainShadowColor);
    owner.show();
    shadow.SetShadowVisible(true);
    ASSERT_EQ(owner.devicePixelRatio(), 1.5);

    const int logicalWidth = OwnerWidth + 2 * ShadowMargin;
    const int logicalHeight = OwnerHeight + 2 * ShadowMargin;
    const HaloScale scale = HaloScaleFor(1.5, logicalWidth, logicalHeight);
    ShadowImage wanted;
    BuildScaledShadowImage(wanted, scale, logicalWidth, logicalHeight, OwnerShadowShape(owner),
                           std::nullopt);

    EXPECT_EQ(shadow.geometry(), QRect(84, 64, logicalWidth, logicalHeight));
    const QImage seen =
        shadow.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(seen.width(), scale.width);
    ASSERT_EQ(seen.height(), scale.height);
    int differing = 0;
    for (int y = 0; y < seen.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(seen.constScanLine(y));
        for (int x = 0; x < seen.width(); ++x) {
            differing += std::abs(qAlpha(row[x]) - BlueOf(wanted.Pixel(x, y))) > 1 ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(shadow.BuildCount(), 1);
}

} // namespace
} // namespace mensurix
