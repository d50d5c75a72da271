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

// Sets a known palette for the duration of a test.
class PaletteScope
{
public:
    explicit PaletteScope(const QPalette &palette)
        : m_saved(QGuiApplication::palette())
    {
        QGuiApplication::setPalette(palette);
    }
    ~PaletteScope() { QGuiApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

} // namespace

TEST(Colors, LightenRoundsHalvesToEven)
{
    EXPECT_EQ(LightenColor(rgb(100, 150, 200), 50), rgb(178, 202, 228));
    EXPECT_EQ(LightenColor(rgb(100, 150, 200), 0), rgb(100, 150, 200));
    EXPECT_EQ(LightenColor(rgb(100, 150, 200), 100), rgb(255, 255, 255));
}

TEST(Colors, TranslateResolvesSystemColorsThroughThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(10, 20, 30));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(1, 2, 3));
    const PaletteScope scope(palette);

    EXPECT_EQ(TranslateColor(NoColor), NoColor);
    EXPECT_EQ(TranslateColor(0x12345678u), 0x345678u) << "plain colours lose the top byte";
    EXPECT_EQ(TranslateColor(0x8000000Fu), rgb(10, 20, 30)) << "button face";
    EXPECT_EQ(TranslateColor(0x8000000Du), rgb(1, 2, 3)) << "highlight";
    EXPECT_EQ(TranslateColor(0x800000FFu), 0u) << "unknown index";
    EXPECT_EQ(toQColor(0x0000FFu), QColor(255, 0, 0)) << "red lives in the low byte";
}

TEST(Colors, VertexChannelsAreScaledBy256)
{
    EXPECT_EQ(Color16Red(rgb(255, 1, 0)), 0xFF00);
    EXPECT_EQ(Color16Green(rgb(255, 1, 0)), 0x0100);
    EXPECT_EQ(Color16Blue(rgb(255, 1, 0)), 0);
}

TEST(Colors, HexDigitsAreUpperCaseOnly)
{
    const std::pair<char, int> cases[] = {{'0', 0}, {'9', 9}, {'A', 10}, {'F', 15},
                                          {'a', 0}, {' ', 0}, {'G', 0}};
    for (const auto &[ch, value] : cases) {
        EXPECT_EQ(HexDigitValue(ch), value) << ch;
    }
}

TEST(GradientBackground, BandsRunFromColourTwoAtTheFarEdgeToColourOne)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(10, 20, 30));
    const PaletteScope scope(palette);
    const OleColor black = rgb(0, 0, 0), white = rgb(255, 255, 255), dark = rgb(9, 8, 7);
    const OleColor blue = rgb(0, 0, 255), green = rgb(0, 255, 0);
    // 257 one-row bands, colour 1 above them; 257 one-pixel rings, which
    // leave colour 1 in the corner.
    const QImage bands = paintedBackground({512, 300}, black, white, 2);
    const QImage rings = paintedBackground({300, 300}, blue, green, 0);
    const QImage narrow = paintedBackground({128, 60}, dark, white, 1);
    const QImage red = paintedBackground({600, 600}, black, 0x0000FFu, 2);
    const QImage system = paintedBackground({600, 600}, black, 0x8000000Fu, 2);
    const QImage otherStyle = paintedBackground({600, 600}, dark, white, 5);
    const struct
    {
        const char *name;
        const QImage &image;
        QPoint at;
        OleColor expected;
    } cases[] = {
        {"bands: colour 2 at the bottom", bands, {10, 299}, white},
        {"bands: 255 - 255/256 rounds to 254", bands, {10, 298}, rgb(254, 254, 254)},
        {"bands: 127.5 rounds to even", bands, {10, 171}, rgb(128, 128, 128)},
        {"bands: band 257 is colour 1", bands, {10, 43}, black},
        {"bands: colour 1 above", bands, {500, 0}, black},
        {"rings: colour 2 down the right", rings, {299, 10}, green},
        {"rings: colour 2 along the bottom", rings, {10, 299}, green},
        {"rings: colour 1 in the corner", rings, {0, 0}, blue},
        {"narrow window: colour 1 only", narrow, {127, 59}, dark},
        {"0x0000FF is red", red, {0, 599}, rgb(255, 0, 0)},
        {"system colour, not its index's digits", system, {0, 599}, rgb(10, 20, 30)},
        {"other styles: colour 1 everywhere", otherStyle, {599, 599}, dark},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(pixel(c.image, c.at.x(), c.at.y()), c.expected) << c.name;
    }
    EXPECT_EQ(pixel(rings, 298, 10), pixel(rings, 10, 298)) << "the second ring turns the corner";
    EXPECT_NE(pixel(rings, 298, 10), green);
}

TEST(Gradient, ColoursRunFromTheFirstCorner)
{
    QImage image(100, 10, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        DrawGradient(painter, 0, 0, 100, 10, rgb(200, 0, 0), rgb(0, 0, 200), false);
    }
    EXPECT_EQ(pixel(image, 0, 5), rgb(200, 0, 0));
    EXPECT_EQ(pixel(image, 50, 5), rgb(100, 0, 100));
    EXPECT_EQ(pixel(image, 99, 9), rgb(2, 0, 198));

    QImage tall(10, 100, QImage::Format_RGB32);
    {
        QPainter painter(&tall);
        DrawGradient(painter, 0, 0, 10, 100, rgb(0, 0, 0), rgb(0, 200, 0), true);
    }
    EXPECT_EQ(pixel(tall, 3, 0), rgb(0, 0, 0));
    EXPECT_EQ(pixel(tall, 3, 50), rgb(0, 100, 0));
}

TEST(Transparency, KeyPixelsLeaveTheDestination)
{
    QImage source(3, 2, QImage::Format_RGB32);
    source.fill(QColor(0, 255, 0));
    source.setPixelColor(1, 0, QColor(10, 20, 30));
    source.setPixelColor(2, 1, QColor(0, 254, 0));
    QImage dest(5, 5, QImage::Format_RGB32);
    dest.fill(QColor(7, 7, 7));
    {
        QPainter painter(&dest);
        TransparentBlit(painter, 1, 1, 3, 2, source, 0, 0, rgb(0, 255, 0));
    }
    EXPECT_EQ(pixel(dest, 1, 1), rgb(7, 7, 7));
    EXPECT_EQ(pixel(dest, 2, 1), rgb(10, 20, 30));
    EXPECT_EQ(pixel(dest, 3, 2), rgb(0, 254, 0)) << "only the exact key is transparent";
    EXPECT_EQ(pixel(dest, 0, 0), rgb(7, 7, 7));
}

TEST(Transparency, PictureKindsAndTheInvalidPictureError)
{
    QImage dest(4, 4, QImage::Format_RGB32);
    QPainter painter(&dest);
    try {
        DrawTransparentPicture(painter, 0, 0, 4, 4, Picture(), 0, 0, rgb(0, 255, 0));
        FAIL() << "no picture must raise 481";
    } catch (const ControlError &error) {
        EXPECT_EQ(error.number(), 481);
        EXPECT_STREQ(error.what(), "Invalid picture");
    }

    QImage source(4, 4, QImage::Format_RGB32);
    source.fill(QColor(0, 255, 0));
    source.setPixelColor(3, 3, Qt::blue);
    dest.fill(Qt::white);
    DrawTransparentPicture(painter, 0, 0, 2, 2, Picture::fromImage(source), 2, 2, rgb(0, 255, 0));
    painter.end();
    EXPECT_EQ(pixel(dest, 0, 0), rgb(255, 255, 255));
    EXPECT_EQ(pixel(dest, 1, 1), rgb(0, 0, 255)) << "source offset is honoured";
}
