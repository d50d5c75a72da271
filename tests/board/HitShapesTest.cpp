// The constant hit shapes against the committed art they were derived from.
#include "board/HitShapes.h"
#include "board/MatchArt.h"
#include "board/Orientations.h"
#include "support/DevicePixels.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

constexpr QRgb Key = 0xff00ff00;
constexpr int Pictures = board::OrientationCount + 1; // the matchbox last

board::ShapeList shapeOf(int picture)
{
    return picture < board::OrientationCount ? board::orientationShape(picture)
                                             : board::matchboxShape();
}

const board::ArtImage &artOf(int picture)
{
    return picture < board::OrientationCount ? board::orientationImage(picture)
                                             : board::matchboxImage();
}

// The pixels the rectangles cover, each once, all within size.
QImage coverOf(board::ShapeList shape, QSize size)
{
    QImage covered(size, QImage::Format_Mono);
    covered.fill(0);
    for (const auto &r : shape)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                EXPECT_TRUE(covered.rect().contains(x, y));
                EXPECT_EQ(covered.pixelIndex(x, y), 0) << "rectangles overlap at " << x << "," << y;
                covered.setPixel(x, y, 1);
            }
    return covered;
}

int drawnPixels(const QImage &keyed)
{
    return pixelsWhere(
        keyed, keyed.rect(), [](QRgb c) { return c != Key; });
}

TEST(HitShapes, EveryShapeIsExactlyItsDrawnPixels)
{
    for (int k = 0; k < Pictures; ++k) {
        SCOPED_TRACE(k);
        const QImage &image = artOf(k).keyed();
        ASSERT_FALSE(image.isNull());
        const QImage covered = coverOf(shapeOf(k), image.size());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(covered.pixelIndex(x, y) == 1, image.pixel(x, y) != Key)
                    << "pixel " << x << "," << y;
    }
}

// The mask stays the 1x shape at every scale, so a drawn pixel of the 2x
// picture outside it scaled up would be cut off.
TEST(HitShapes, EveryTwoXPictureLiesWithinItsShapeScaledUp)
{
    for (int k = 0; k < Pictures; ++k) {
        SCOPED_TRACE(k);
        const QImage &twoX = artOf(k).forRatio(2);
        ASSERT_EQ(twoX.size(), artOf(k).size() * 2);
        const QImage covered = coverOf(shapeOf(k), artOf(k).size());
        int drawn = 0;
        for (int y = 0; y < twoX.height(); ++y)
            for (int x = 0; x < twoX.width(); ++x)
                if (qAlpha(twoX.pixel(x, y)) != 0) {
                    ASSERT_EQ(covered.pixelIndex(x / 2, y / 2), 1) << "pixel " << x << "," << y;
                    ++drawn;
                }
        // And it fills most of that shape rather than leaving it bare.
        EXPECT_GT(drawn, 3 * drawnPixels(artOf(k).keyed()));
    }
}

} // namespace
