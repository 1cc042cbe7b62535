#include "ui/shadow/window_shape.h"

#include <QPoint>
#include <QRect>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

TEST(RoundRectRegionTest, MainWindowShapeKeepsColumnsOneTo609AndRowsOneTo449) {
    const QRegion region = RoundRectRegion(1, 1, 610, 450, 9, 9);
    EXPECT_EQ(region.boundingRect(), QRect(QPoint(1, 1), QPoint(609, 449)));

    struct Probe {
        std::string name;
        QPoint pixel;
        bool inside;
    };
    const std::vector<Probe> probes = {
        {"first column", {1, 225}, true},    {"column 0", {0, 225}, false},
        {"last column", {609, 225}, true},   {"right edge", {610, 225}, false},
        {"first row", {305, 1}, true},       {"row 0", {305, 0}, false},
        {"last row", {305, 449}, true},      {"bottom edge", {305, 450}, false},
        {"top-left corner", {1, 1}, false},  {"top-right corner", {609, 1}, false},
        {"bottom-left", {1, 449}, false},    {"bottom-right", {609, 449}, false},
        {"inside the corner", {5, 5}, true}, {"below the rounding", {1, 5}, true},
    };
    for (const Probe& probe : probes) {
        SCOPED_TRACE(probe.name);
        EXPECT_EQ(region.contains(probe.pixel), probe.inside);
    }
}

// Pixels cut from the left of each row, from the top row down, until a full row.
std::vector<int> LeftInsets(const QRegion& region, int left, int top, int bottom) {
    std::vector<int> insets;
    for (int y = top; y < bottom; ++y) {
        int x = left;
        while (!region.contains(QPoint(x, y))) {
            ++x;
        }
        insets.push_back(x - left);
        if (x == left) {
            break;
        }
    }
    return insets;
}

TEST(RoundRectRegionTest, CornersFollowTheEllipseAndMirror) {
    const QRegion region = RoundRectRegion(0, 0, 40, 30, 9, 9);
    EXPECT_EQ(LeftInsets(region, 0, 0, 30), (std::vector<int>{2, 1, 0}));
    // Row 0 of a 20-pixel circle: its centre line, 9.5 from the middle, crosses the circle
    // about 3.1 either side of the middle, so the first 7 pixel centres lie outside.
    const QRegion wide = RoundRectRegion(0, 0, 100, 100, 20, 20);
    EXPECT_EQ(LeftInsets(wide, 0, 0, 100), (std::vector<int>{7, 5, 3, 2, 2, 1, 1, 0}));
    // The four corners are mirror images of each other.
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool topLeft = wide.contains(QPoint(x, y));
            EXPECT_EQ(wide.contains(QPoint(99 - x, y)), topLeft) << x << "," << y;
            EXPECT_EQ(wide.contains(QPoint(x, 99 - y)), topLeft) << x << "," << y;
            EXPECT_EQ(wide.contains(QPoint(99 - x, 99 - y)), topLeft) << x << "," << y;
        }
    }
}

TEST(RoundRectRegionTest, DegenerateArguments) {
    struct Case {
        std::string name;
        QRegion region;
        QRegion expected;
    };
    const std::vector<Case> cases = {
        {"ellipse below two pixels", RoundRectRegion(2, 3, 12, 13, 1, 9), QRegion(2, 3, 10, 10)},
        {"swapped edges", RoundRectRegion(12, 13, 2, 3, 0, 0), QRegion(2, 3, 10, 10)},
        {"negative ellipse", RoundRectRegion(0, 0, 40, 30, -9, -9),
         RoundRectRegion(0, 0, 40, 30, 9, 9)},
        {"ellipse larger than the rectangle", RoundRectRegion(0, 0, 10, 10, 50, 50),
         RoundRectRegion(0, 0, 10, 10, 10, 10)},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.region, row.expected);
    }
}

} // namespace
} // namespace mensurix
