#include "drawing/GraphicsBas.h"
#include "drawing/ControlError.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <gtest/gtest.h>

using namespace drawing;

namespace {

OleColor pixel(const QImage &image, int x, int y)
{
    return fromQColor(image.pixelColor(x, y));
}

QImage paintedBackground(QSize size, OleColor c1, OleColor c2, std::int16_t style)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    PaintGradientBackground(painter, size, c1, c2, style);
    return image;
}

QColor systemColour(QPalette::ColorRole role)
{
    return QGuiApplication::palette().color(QPalette::Active, role);
}

} // namespace

TEST(Colors, LightenRoundsHalvesToEven)
{
    EXPECT_EQ(LightenColor(rgb(100, 150, 200), 50), rgb(178, 202, 228));
    EXPECT_EQ(LightenColor(rgb(100, 150, 200), 0), rgb(100, 150, 200));
    EXPECT_EQ(LightenColor(rgb(100, 150, 200), 100), rgb(255, 255, 255));
}

TEST(Colors, TranslateResolvesSystemColorsThroughThePalette)
{
    EXPECT_EQ(TranslateColor(NoColor), NoColor);
    EXPECT_EQ(TranslateColor(0x12345678u), 0x345678u) << "plain colours lose the top byte";
    EXPECT_EQ(toQColor(0x8000000Fu), systemColour(QPalette::Button)) << "button face";
    EXPECT_EQ(toQColor(0x8000000Du), systemColour(QPalette::Highlight));
    EXPECT_EQ(TranslateColor(0x800000FFu), 0u) << "unknown index";
    EXPECT_EQ(toQColor(0x0000FFu), QColor(255, 0, 0)) << "red lives in the low byte";
}

TEST(Colors, VertexChannelsAreScaledBy256AndHexDigitsAreUpperCaseOnly)
{
    EXPECT_EQ(Color16Red(rgb(255, 1, 0)), 0xFF00);
    EXPECT_EQ(Color16Green(rgb(255, 1, 0)), 0x0100);
    EXPECT_EQ(Color16Blue(rgb(255, 1, 0)), 0);
    // clang-format off
    const std::pair<char, int> digits[] = {{'0', 0}, {'9', 9}, {'A', 10}, {'F', 15}, {'a', 0}, {' ', 0}, {'G', 0}};
    // clang-format on
    for (const auto &[ch, value] : digits)
        EXPECT_EQ(HexDigitValue(ch), value) << ch;
}

// The windows use the L-shaped bands (style 0) and the horizontal strips
// (style 2); the vertical strips and other styles are smoke only.
TEST(GradientBackground, BandsRunFromColourTwoAtTheFarEdgeToColourOne)
{
    const OleColor black = rgb(0, 0, 0), white = rgb(255, 255, 255), dark = rgb(9, 8, 7);
    const OleColor blue = rgb(0, 0, 255), green = rgb(0, 255, 0);
    // 257 one-row bands, colour 1 above them; 257 one-pixel rings, which
    // leave colour 1 in the corner.
    const QImage bands = paintedBackground({512, 300}, black, white, 2);
    const QImage rings = paintedBackground({300, 300}, blue, green, 0);
    const QImage strips = paintedBackground({600, 60}, black, white, 1);
    const QImage narrow = paintedBackground({128, 60}, dark, white, 1);
    const QImage red = paintedBackground({600, 600}, black, 0x0000FFu, 2);
    const QImage system = paintedBackground({600, 600}, black, 0x8000000Fu, 2);
    const QImage otherStyle = paintedBackground({600, 600}, dark, white, 5);
    // clang-format off
    const struct { const char *name; const QImage &image; QPoint at; OleColor expected; } cases[] = {
        {"bands: colour 2 at the bottom", bands, {10, 299}, white},
        {"bands: 255 - 255/256 rounds to 254", bands, {10, 298}, rgb(254, 254, 254)},
        {"bands: 127.5 rounds to even", bands, {10, 171}, rgb(128, 128, 128)},
        {"bands: band 257 is colour 1", bands, {10, 43}, black},
        {"bands: colour 1 above", bands, {500, 0}, black},
        {"rings: colour 2 down the right", rings, {299, 10}, green},
        {"rings: colour 2 along the bottom", rings, {10, 299}, green},
        {"rings: colour 1 in the corner", rings, {0, 0}, blue},
        {"strips: colour 2 at the right", strips, {599, 30}, white},
        {"narrow window: colour 1 only", narrow, {127, 59}, dark},
        {"0x0000FF is red", red, {0, 599}, rgb(255, 0, 0)},
        {"system colour, not its index's digits", system, {0, 599}, fromQColor(systemColour(QPalette::Button))},
        {"other styles: colour 1 everywhere", otherStyle, {599, 599}, dark},
    };
    // clang-format on
    for (const auto &c : cases)
        EXPECT_EQ(pixel(c.image, c.at.x(), c.at.y()), c.expected) << c.name;
    EXPECT_EQ(pixel(rings, 298, 10), pixel(rings, 10, 298)) << "the second ring turns the corner";
    EXPECT_NE(pixel(rings, 298, 10), green);
}

TEST(Gradient, ColoursRunFromTheFirstCorner)
{
    QImage wide(100, 10, QImage::Format_RGB32);
    QImage tall(10, 100, QImage::Format_RGB32);
    {
        QPainter painter(&wide);
        DrawGradient(painter, 0, 0, 100, 10, rgb(200, 0, 0), rgb(0, 0, 200), false);
        QPainter tallPainter(&tall);
        DrawGradient(tallPainter, 0, 0, 10, 100, rgb(0, 0, 0), rgb(0, 200, 0), true);
    }
    EXPECT_EQ(pixel(wide, 0, 5), rgb(200, 0, 0));
    EXPECT_EQ(pixel(wide, 50, 5), rgb(100, 0, 100));
    EXPECT_EQ(pixel(wide, 99, 9), rgb(2, 0, 198));
    EXPECT_EQ(pixel(tall, 3, 0), rgb(0, 0, 0));
    EXPECT_EQ(pixel(tall, 3, 50), rgb(0, 100, 0));
}

// Only the exact key colour leaves the destination; the source offset is
// honoured; no picture raises 481.
TEST(Transparency, KeyPixelsLeaveTheDestination)
{
    QImage source(4, 4, QImage::Format_RGB32);
    source.fill(QColor(0, 255, 0));
    source.setPixelColor(2, 2, QColor(10, 20, 30));
    source.setPixelColor(3, 3, QColor(0, 254, 0));
    QImage dest(4, 4, QImage::Format_RGB32);
    dest.fill(QColor(7, 7, 7));
    QPainter painter(&dest);
    DrawTransparentPicture(painter, 1, 1, 2, 2, Picture::fromImage(source), 2, 2, rgb(0, 255, 0));
    try {
        DrawTransparentPicture(painter, 0, 0, 4, 4, Picture(), 0, 0, rgb(0, 255, 0));
        ADD_FAILURE() << "no picture must raise 481";
    } catch (const ControlError &error) {
        EXPECT_EQ(error.number(), 481);
        EXPECT_STREQ(error.what(), "Invalid picture");
    }
    painter.end();
    EXPECT_EQ(pixel(dest, 1, 1), rgb(10, 20, 30));
    EXPECT_EQ(pixel(dest, 2, 2), rgb(0, 254, 0));
    EXPECT_EQ(pixel(dest, 2, 1), rgb(7, 7, 7));
    EXPECT_EQ(pixel(dest, 0, 0), rgb(7, 7, 7));
}
