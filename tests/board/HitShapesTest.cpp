// The constant hit shapes against the committed art they were derived from.
#include "board/HitShapes.h"
#include "board/MatchArt.h"
#include "board/Orientations.h"

#include <gtest/gtest.h>

#include <QImage>

#include <ostream>
#include <tuple>
#include <vector>

namespace board {

// Found by argument lookup from the standard containers and GoogleTest.
static bool operator==(const ShapeRect &a, const ShapeRect &b)
{
    return std::tie(a.left, a.top, a.right, a.bottom) == std::tie(b.left, b.top, b.right, b.bottom);
}

static void PrintTo(const ShapeRect &r, std::ostream *out)
{
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

} // namespace board

namespace {

constexpr QRgb Key = 0xff00ff00;

std::vector<board::ShapeRect> listOf(board::ShapeList shape)
{
    return {shape.begin(), shape.end()};
}

// The rectangles cover every drawn pixel once and no key pixel.
void expectShapeIsArt(board::ShapeList shape, const QImage &image)
{
    ASSERT_FALSE(image.isNull());
    QImage covered(image.size(), QImage::Format_Mono);
    covered.fill(0);
    for (const auto &r : shape)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                ASSERT_TRUE(image.rect().contains(x, y));
                ASSERT_EQ(covered.pixelIndex(x, y), 0) << "rectangles overlap at " << x << "," << y;
                covered.setPixel(x, y, 1);
            }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(covered.pixelIndex(x, y) == 1, image.pixel(x, y) != Key)
                << "pixel " << x << "," << y;
}

TEST(HitShapes, EveryOrientationShapeIsExactlyItsDrawnPixels)
{
    for (int k = 0; k < board::OrientationCount; ++k) {
        SCOPED_TRACE(k);
        expectShapeIsArt(board::orientationShape(k), board::orientationImage(k));
    }
}

TEST(HitShapes, MatchboxShapeIsExactlyItsDrawnPixels)
{
    expectShapeIsArt(board::matchboxShape(), board::matchboxImage());
}

TEST(HitShapes, AxisAlignedMatchesKeepTheirFixedOutlines)
{
    using R = board::ShapeRect;
    const std::vector<std::pair<int, std::vector<R>>> cases = {
        {0, {{1, 0, 8, 1}, {0, 1, 9, 9}, {1, 9, 8, 94}, {1, 94, 7, 95}}},
        {4, {{86, 0, 94, 1}, {0, 1, 95, 8}, {86, 8, 94, 9}}},
        {8, {{1, 0, 8, 86}, {0, 86, 9, 94}, {1, 94, 8, 95}}},
        {12, {{1, 0, 9, 1}, {0, 1, 95, 8}, {1, 8, 9, 9}}},
    };
    for (const auto &[k, rects] : cases)
        EXPECT_EQ(listOf(board::orientationShape(k)), rects) << "orientation " << k;
}

} // namespace
