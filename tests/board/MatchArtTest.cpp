// The compiled-in pictures: sizes, key colour and where the head lies.
#include "board/MatchArt.h"
#include "board/Orientations.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cmath>

namespace {

constexpr QRgb Key = 0xff00ff00;

// Greenish colours a blended edge would leave; the art has none of them.
bool nearKey(QRgb c)
{
    return c != Key && qGreen(c) > 160 && qRed(c) < 120 && qBlue(c) < 120;
}

void expectOnlyPureKey(const QImage &image)
{
    int key = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            ASSERT_FALSE(nearKey(c)) << "fringe at " << x << "," << y;
            key += c == Key ? 1 : 0;
        }
    EXPECT_GT(key, 0);
    EXPECT_LT(key, image.width() * image.height());
}

// The centre of the red pixels, seen from the image centre, points the way
// the head does.
double headAngle(const QImage &image)
{
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c.rgb() != Key && c.red() > 100 && c.red() > 2 * c.green()) {
                sx += x + 0.5 - image.width() / 2.0;
                sy += y + 0.5 - image.height() / 2.0;
                ++n;
            }
        }
    EXPECT_GT(n, 20);
    const double degrees = std::atan2(sx, -sy) * 180.0 / M_PI;
    return degrees < 0 ? degrees + 360 : degrees;
}

TEST(MatchArt, ImagesHaveTheirSizesAndPureKeyAndMatchHeadsPointTheirWay)
{
    for (int k = 0; k < board::OrientationCount; ++k) {
        SCOPED_TRACE(k);
        const QImage &image = board::orientationImage(k).keyed();
        const auto &info = board::Orientations[k];
        ASSERT_EQ(image.size(), QSize(info.width, info.height));
        expectOnlyPureKey(image);
        const double off = std::abs(headAngle(image) - info.angle);
        EXPECT_LT(std::min(off, 360 - off), 6.0);
    }
    ASSERT_EQ(board::matchboxImage().keyed().size(), QSize(165, 112));
    expectOnlyPureKey(board::matchboxImage().keyed());
}

} // namespace
