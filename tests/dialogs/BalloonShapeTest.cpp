#include "dialogs/BalloonShape.h"

#include <gtest/gtest.h>

using namespace dialogs;

namespace {

const QRect Screen(0, 0, 1000, 800);
const QSize Window(359, 200);

// Halves are taken of the screen that holds the target.
TEST(PointerPlacement, QuadrantRuleWithTiesGoingLeftAndUp)
{
    const QRect second(1000, 0, 600, 400);
    // clang-format off
    const struct { const char *name; QPoint target; QRect screen; PointerStyle style; QPoint topLeft; } rows[] = {
        {"exact middle is upper left", {500, 400}, Screen, UpperLeft, {458, 400}},
        {"one right of middle", {501, 400}, Screen, UpperRight, {501 + 42 - 359, 400}},
        {"one below middle", {500, 401}, Screen, LowerLeft, {458, 401 - 200}},
        {"lower right", {900, 700}, Screen, LowerRight, {900 + 42 - 359, 500}},
        {"middle of a second screen", {1300, 200}, second, UpperLeft, {1258, 200}},
        {"lower right of a second screen", {1301, 201}, second, LowerRight, {1301 + 42 - 359, 1}},
    };
    // clang-format on
    for (const auto &row : rows) {
        const PointerPlacement p = placeForPointer(row.target, row.screen, Window);
        EXPECT_EQ(p.style, row.style) << row.name;
        EXPECT_EQ(p.windowTopLeft, row.topLeft) << row.name;
    }
}

// A notice about an area hangs outside it, below where the screen allows,
// and never off the screen.
TEST(PointerPlacement, OutsideAnAreaBelowItWhereThereIsRoomElseAbove)
{
    const QRect high(100, 50, 300, 400); // 350 px free below
    const QRect low(600, 300, 300, 400); // 100 px free below
    const PointerPlacement below = placeOutside(high, Screen, Window);
    EXPECT_EQ(below.style, UpperLeft);
    EXPECT_EQ(below.windowTopLeft, QPoint(249 - 42, 450));
    const PointerPlacement above = placeOutside(low, Screen, Window);
    EXPECT_EQ(above.style, LowerRight);
    EXPECT_EQ(above.windowTopLeft, QPoint(749 + 42 - 359, 299 - 200));
    for (const auto &[area, placed] : {std::pair(high, below), std::pair(low, above)})
        EXPECT_FALSE(QRect(placed.windowTopLeft, Window).intersects(area));
    // 150 px free above and 180 below, too little for either: the notice
    // keeps to the screen, over as little of the area as it can.
    const PointerPlacement lifted = placeOutside(QRect(100, 150, 300, 470), Screen, Window);
    EXPECT_EQ(lifted.style, UpperLeft);
    EXPECT_EQ(lifted.windowTopLeft, QPoint(249 - 42, 800 - 200));
}

// The tip vertex is the one off the body's edge; its neighbour pixel toward
// the triangle must be in the window's region but not in the body.
TEST(PointerShape, TipLiesInsideTheWindowRegionForEveryStyle)
{
    for (PointerStyle style : {LowerRight, UpperRight, LowerLeft, UpperLeft}) {
        const QPolygon outer = outerPointer(style, Window);
        const QRegion whole =
            mainRegion(Window) | shadowRegion(Window) | QRegion(outer, Qt::OddEvenFill);
        const QPoint tip = outer.point(2);
        const QPoint inward(tip.x() + (tip.x() < Window.width() / 2 ? 1 : -1),
                            tip.y() + (tip.y() < Window.height() / 2 ? 3 : -3));
        EXPECT_TRUE(whole.contains(inward)) << int(style);
        EXPECT_FALSE(mainRegion(Window).contains(inward)) << int(style);
    }
}

// The intensity is limited so that the weight stays a byte.
TEST(ShadePixelRule, IntegerMixOfBothColoursWithALimitedIntensity)
{
    EXPECT_EQ(ShadePixel(qRgb(200, 100, 50), qRgb(0, 0, 0), 100, 0), qRgb(78, 39, 19));
    EXPECT_EQ(ShadePixel(qRgb(255, 255, 255), qRgb(0, 0, 0), 180, 75), qRgb(254, 254, 254));
    EXPECT_EQ(ShadePixel(qRgb(0, 0, 0), qRgb(255, 0, 0), 20, 0), qRgb(235, 0, 0));
    EXPECT_EQ(std::tuple(clampIntensity(-5), clampIntensity(75), clampIntensity(200)),
              std::tuple(0, 75, 75));
}

} // namespace
