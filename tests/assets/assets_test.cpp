#include "asset_palette.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace mensurix {
namespace {

using namespace asset_palette;

// JPEG at quality 95 moves flat colours by a few steps; gradients add a little more.
constexpr int JpegTolerance = 8;

AssetRgb pixelRgb(const QImage& image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

int largestChannelDifference(AssetRgb a, AssetRgb b) {
    return std::max(
        {std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
}

AssetRgb mix(AssetRgb from, AssetRgb to, double fraction) {
    const auto blend = [fraction](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * fraction));
    };
    return {blend(from.red, to.red), blend(from.green, to.green), blend(from.blue, to.blue)};
}

std::string describe(AssetRgb rgb) {
    return std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
           std::to_string(rgb.blue);
}

// Relative luminance and contrast ratio as defined for text legibility (WCAG 2).
double relativeLuminance(AssetRgb rgb) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(rgb.red) + 0.7152 * linear(rgb.green) + 0.0722 * linear(rgb.blue);
}

double contrastWithWhite(AssetRgb rgb) {
    return 1.05 / (relativeLuminance(rgb) + 0.05);
}

double meanLuminanceOfOpaquePixels(const QImage& image) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 255) {
                sum += relativeLuminance(pixelRgb(image, x, y));
                ++count;
            }
        }
    }
    return count == 0 ? 0 : sum / count;
}

QImage loadResource(const QString& path) {
    QImageReader reader(path);
    QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << path.toStdString() << ": "
                                 << reader.errorString().toStdString();
    return image;
}

const QImage& background() {
    static const QImage image = loadResource(":/assets/background.jpg");
    return image;
}

TEST(BackgroundPicture, DecodesThroughTheJpegPluginAtWindowSize) {
    ASSERT_TRUE(QImageReader::supportedImageFormats().contains("jpeg"));
    QImageReader reader(":/assets/background.jpg");
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(background().size(), QSize(WindowWidth, WindowHeight));
}

// The designed colour of the body at row y: a vertical gradient from the caption to the status
// strip.
AssetRgb bodyAt(int y) {
    return mix(BodyTop, BodyBottom,
               (y - CaptionHeight) / double(StatusStripTop - 1 - CaptionHeight));
}

TEST(BackgroundPicture, ShowsTheDesignedColours) {
    // Chroma subsampling smears the one-pixel outline with the pale body next to it.
    constexpr int ThinLineTolerance = 16;
    struct Sample {
        const char* name;
        int x;
        int y;
        AssetRgb expected;
        int tolerance;
    };
    const Sample samples[] = {
        {"caption, upper half", 300, 4, CaptionTop, JpegTolerance},
        {"caption, lower half", 300, 25, CaptionBottom, JpegTolerance},
        {"caption, right of the buttons", 602, 25, CaptionBottom, JpegTolerance},
        {"body under the separator", 300, 100, bodyAt(100), JpegTolerance},
        {"body, left margin", 20, 200, bodyAt(200), JpegTolerance},
        {"body behind the grid", 400, 300, bodyAt(300), JpegTolerance},
        {"body above the status strip", 500, 415, bodyAt(415), JpegTolerance},
        {"status strip, top", 300, 428, StatusLight, JpegTolerance},
        {"status strip, bottom", 300, 445, mix(StatusLight, StatusDark, 0.83), JpegTolerance},
        {"outline, left edge", 1, 225, Outline, ThinLineTolerance},
        {"outline, top edge", 300, 1, Outline, ThinLineTolerance},
    };
    for (const Sample& sample : samples) {
        SCOPED_TRACE(sample.name);
        const AssetRgb actual = pixelRgb(background(), sample.x, sample.y);
        EXPECT_LE(largestChannelDifference(actual, sample.expected), sample.tolerance)
            << "got " << describe(actual) << ", designed " << describe(sample.expected);
    }
}

// The strips carry white labels: the title, the language link, the homepage and copyright.
TEST(BackgroundPicture, StripsAreDarkEnoughForWhiteText) {
    struct TextArea {
        const char* name;
        QRect area;
    };
    const TextArea areas[] = {
        {"title", QRect(50, 6, 390, 17)},
        {"language link", QRect(443, 6, 76, 13)},
        {"homepage link", QRect(30, 428, 330, 17)},
        {"copyright", QRect(359, 429, 239, 14)},
    };
    for (const TextArea& text : areas) {
        SCOPED_TRACE(text.name);
        double lowest = 21;
        for (int y = text.area.top(); y <= text.area.bottom(); ++y)
            for (int x = text.area.left(); x <= text.area.right(); ++x)
                lowest = std::min(lowest, contrastWithWhite(pixelRgb(background(), x, y)));
        EXPECT_GE(lowest, 4.5);
    }
}

TEST(BackgroundPicture, BodyIsPlainBehindTheResultGrid) {
    const QRect grid(120, 156, 475, 254);
    for (int y = grid.top(); y <= grid.bottom(); ++y) {
        const AssetRgb expected = mix(
            BodyTop, BodyBottom, (y - CaptionHeight) / double(StatusStripTop - 1 - CaptionHeight));
        int worst = 0;
        for (int x = grid.left(); x <= grid.right(); ++x)
            worst =
                std::max(worst, largestChannelDifference(pixelRgb(background(), x, y), expected));
        ASSERT_LE(worst, JpegTolerance) << "row " << y;
    }
}

TEST(BackgroundPicture, LogoAndGlobeStandOutFromTheirStrips) {
    const QImage& image = background();
    const double caption = relativeLuminance(pixelRgb(image, 45, 14));
    EXPECT_LT(relativeLuminance(pixelRgb(image, 25, 14)), caption) << "dark disc at the centre";
    double brightest = 0;
    for (int y = 4; y <= 24; ++y)
        for (int x = 15; x <= 35; ++x)
            brightest = std::max(brightest, relativeLuminance(pixelRgb(image, x, y)));
    EXPECT_GT(brightest, 0.75) << "white arrows";

    const double strip = relativeLuminance(pixelRgb(image, 40, 437));
    EXPECT_GT(relativeLuminance(pixelRgb(image, 14, 435)), strip * 2) << "light globe";
}

struct ButtonCase {
    const char* name;
    const char* normal;
    const char* hover;
    int width;
    QPoint transparentCorner;
    QPoint glyph;
    bool red;
};

// Keeps test names and failure messages readable instead of a byte dump.
void PrintTo(const ButtonCase& button, std::ostream* out) {
    *out << button.name;
}

class CaptionButton : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(CaptionButton, TileHasItsSizeTopLineAndGlyph) {
    const ButtonCase& button = GetParam();
    for (const char* path : {button.normal, button.hover}) {
        SCOPED_TRACE(path);
        const QImage image = loadResource(path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(button.width, ButtonHeight));
        for (int x = 0; x < button.width; ++x) {
            EXPECT_EQ(image.pixel(x, 0), qRgb(SteelBlue.red, SteelBlue.green, SteelBlue.blue))
                << "top line, x " << x;
        }
        EXPECT_EQ(qAlpha(image.pixel(button.transparentCorner)), 0) << "rounded outer corner";
        EXPECT_GT(relativeLuminance(pixelRgb(image, button.glyph.x(), button.glyph.y())), 0.9)
            << "white glyph";
        const AssetRgb tile = pixelRgb(image, 3, 5);
        EXPECT_EQ(tile.red > tile.blue, button.red) << "tile colour " << describe(tile);
    }
}

TEST_P(CaptionButton, HoverImageIsBrighter) {
    const ButtonCase& button = GetParam();
    const QImage normal = loadResource(button.normal).convertToFormat(QImage::Format_ARGB32);
    const QImage hover = loadResource(button.hover).convertToFormat(QImage::Format_ARGB32);
    EXPECT_GT(meanLuminanceOfOpaquePixels(hover), meanLuminanceOfOpaquePixels(normal) * 1.2);
}

INSTANTIATE_TEST_SUITE_P(
    Assets, CaptionButton,
    ::testing::Values(ButtonCase{"Minimize", ":/assets/minimize.png", ":/assets/minimize_hover.png",
                                 MinimizeWidth, QPoint(0, ButtonHeight - 1), QPoint(13, 12), false},
                      ButtonCase{"Close", ":/assets/close.png", ":/assets/close_hover.png",
                                 CloseWidth, QPoint(CloseWidth - 1, ButtonHeight - 1),
                                 QPoint(20, 10), true}),
    [](const ::testing::TestParamInfo<ButtonCase>& info) { return std::string(info.param.name); });

// A round icon: transparent in its corners, opaque at the centre of the disc.
void expectRoundIcon(const QImage& icon, int size) {
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
}

TEST(ProgramIcon, EverySizeLoadsAsARoundIcon) {
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        expectRoundIcon(loadResource(QString(":/assets/icon_%1.png").arg(size)), size);
    }
}

// Parsed here rather than through an image plugin, so that the directory itself is checked:
// one-byte sizes with 0 for 256, and entries that point at whole PNG streams.
TEST(ProgramIcon, WindowsIconHoldsTheFourShellSizes) {
    QFile file(MENSURIX_ASSET_DIR "/mensurix.ico");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    const auto word = [&ico](qsizetype at) {
        return qFromLittleEndian<quint16>(ico.constData() + at);
    };
    const auto dword = [&ico](qsizetype at) {
        return qFromLittleEndian<quint32>(ico.constData() + at);
    };
    ASSERT_GE(ico.size(), 6);
    EXPECT_EQ(word(0), 0);
    EXPECT_EQ(word(2), 1) << "icon, not cursor";
    const std::vector<int> sizes{16, 32, 48, 256};
    ASSERT_EQ(word(4), sizes.size());
    for (std::size_t index = 0; index < sizes.size(); ++index) {
        SCOPED_TRACE(sizes[index]);
        const qsizetype entry = 6 + 16 * static_cast<qsizetype>(index);
        ASSERT_LE(entry + 16, ico.size());
        EXPECT_EQ(static_cast<quint8>(ico[entry]), sizes[index] % 256);
        EXPECT_EQ(static_cast<quint8>(ico[entry + 1]), sizes[index] % 256);
        EXPECT_EQ(word(entry + 6), 32) << "bits per pixel";
        const quint32 length = dword(entry + 8);
        const quint32 offset = dword(entry + 12);
        ASSERT_LE(qsizetype(offset) + qsizetype(length), ico.size());
        expectRoundIcon(QImage::fromData(ico.mid(offset, length), "PNG"), sizes[index]);
    }
}

} // namespace
} // namespace mensurix
