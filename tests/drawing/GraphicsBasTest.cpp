#include "drawing/GraphicsBas.h"
#include "drawing/ControlError.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <gtest/gtest.h>

using namespace drawing;

namespace {

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

// Lightening rounds halves to even, vertex channels are scaled by 256, and
// system colours are resolved through the palette.
TEST(Colors, ChannelArithmeticAndSystemColours)
{
    EXPECT_EQ(LightenColor(rgb(100, 150, 200), 50), rgb(178, 202, 228));
    EXPECT_EQ(LightenColor(rgb(100, 150, 200), 0), rgb(100, 150, 200));
    EXPECT_EQ(LightenColor(rgb(100, 150, 200), 100), rgb(255, 255, 255));
    EXPECT_EQ(Color16Red(rgb(255, 1, 0)), 0xFF00);
    EXPECT_EQ(Color16Green(rgb(255, 1, 0)), 0x0100);
    EXPECT_EQ(Color16Blue(rgb(255, 1, 0)), 0);
    EXPECT_EQ(TranslateColor(NoColor), NoColor);
    EXPECT_EQ(TranslateColor(0x12345678u), 0x345678u) << "plain colours lose the top byte";
    EXPECT_EQ(toQColor(0x8000000Fu), systemColour(QPalette::Button)) << "button face";
    EXPECT_EQ(toQColor(0x8000000Du), systemColour(QPalette::Highlight));
    EXPECT_EQ(TranslateColor(0x800000FFu), 0u) << "unknown index";
}

// A pixel or two of each style: the windows use the L-shaped bands (0) and
// the horizontal strips (2); the vertical strips and other styles are smoke
// only. The colours are read back from their hexadecimal text, upper case.
TEST(GradientBackground, BandsRunFromColourTwoAtTheFarEdgeToColourOne)
{
    const OleColor black = rgb(0, 0, 0), white = rgb(255, 255, 255), dark = rgb(9, 8, 7);
    const OleColor face = fromQColor(systemColour(QPalette::Button));
    // clang-format off
    const struct { const char *name; int style; OleColor c1, c2; QPoint at; OleColor expected; } cases[] = {
        {"strips: colour 2 at the bottom", 2, black, white, {10, 299}, white},
        {"strips: colour 1 above them", 2, black, white, {200, 0}, black},
        {"bands: colour 2 down the right", 0, black, white, {299, 10}, white},
        {"bands: colour 2 along the bottom", 0, black, white, {10, 299}, white},
        {"bands: colour 1 in the corner", 0, dark, white, {0, 0}, dark},
        {"vertical strips: colour 2 at the right", 1, black, white, {299, 150}, white},
        {"other styles: colour 1 everywhere", 5, dark, white, {299, 299}, dark},
        {"0x0000FF is red", 2, black, 0x0000FFu, {0, 299}, rgb(255, 0, 0)},
        {"0x00ABCDEF, its hexadecimal digits", 2, black, 0x00ABCDEFu, {0, 299}, 0x00ABCDEFu},
        {"a system colour, not its index's digits", 2, black, 0x8000000Fu, {0, 299}, face},
    };
    // clang-format on
    for (const auto &c : cases) {
        const QImage image = paintedBackground({300, 300}, c.c1, c.c2, c.style);
        EXPECT_EQ(fromQColor(image.pixelColor(c.at)), c.expected) << c.name;
    }
}

// Smoke only: the frame's arrow is built in, so no caller draws a missing picture.
TEST(Transparency, AMissingPictureRaises481)
{
    QImage dest(4, 4, QImage::Format_RGB32);
    QPainter painter(&dest);
    EXPECT_THROW(DrawTransparentPicture(painter, 0, 0, 4, 4, Picture(), 0, 0, 0), ControlError);
}
