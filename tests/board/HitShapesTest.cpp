// The constant hit shapes against the committed art they were derived from.
#include "board/HitShapes.h"
#include "board/MatchArt.h"
#include "board/Orientations.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

constexpr QRgb Key = 0xff00ff00;

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

} // namespace
