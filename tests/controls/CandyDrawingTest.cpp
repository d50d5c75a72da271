#include "controls/CandyButton.h"
#include "controls/CandyCaption.h"
#include "controls/CandyRoundedPainter.h"
#include "controls/CandyShape.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>

using namespace controls;
using drawing::OleColor;

TEST(CandyColors, BlendTruncatesTowardZeroLimitsThePercentageAndResolvesSystemColours)
{
    // clang-format off
    const struct { OleColor from, to; int percentage; OleColor expected; int writtenBack; } cases[] = {
        {0x000000, 0xFFFFFF, 50, 0x7F7F7F, 50},
        {0xFFFFFF, 0x000000, 50, 0x808080, 50}, // -127.5 truncates to -127
        {0x000000, 0xFFFFFF, 150, 0xFFFFFF, 100},
        {0x102030, 0xFFFFFF, -5, 0x102030, 0},
        {0xFFFFFF, 0xE99950, 9, 0xFEF6F0, 9},
    };
    // clang-format on
    for (const auto &c : cases) {
        int percentage = c.percentage;
        EXPECT_EQ(CandyButton::BlendColors(c.from, c.to, percentage), c.expected)
            << std::hex << c.from << " -> " << c.to << " at " << std::dec << c.percentage;
        EXPECT_EQ(percentage, c.writtenBack);
    }
    int r = -1, g = -1, b = -1;
    CandyButton::GetRGB(r, g, b, 0x8000000F);
    const QColor face = QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
    EXPECT_EQ(QColor(r, g, b), face) << "a system colour is resolved before splitting";
}

TEST(CandyShape, CornerRadiusByStyle)
{
    // clang-format off
    const struct { int style; QSize client; int expected; } cases[] = {
        {2, {130, 40}, 21}, {4, {30, 40}, 15}, {5, {130, 9}, 5},   {3, {60, 20}, 12},
        {6, {130, 40}, 13}, {6, {6, 40}, 2},   {7, {130, 40}, 11}, {7, {20, 40}, 5},
        {0, {130, 40}, 9},  {1, {130, 40}, 9}, {9, {130, 40}, 9},
    };
    // clang-format on
    for (const auto &c : cases)
        EXPECT_EQ(shapeRadiusFor(c.style, c.client, 9), c.expected) << "style " << c.style;
}

TEST(CandyShape, RoundedRegionCutsQuarterCirclesSymmetrically)
{
    // For r = 4 the rows lose 4, 3, 1, 1 pixels at each end: row 0 keeps no
    // corner pixel because every one has b = r.
    const SpanRegion shape = MakeRoundedRegion(0, 0, 20, 10, 4);
    std::vector<int> lefts, rights;
    for (int y = 0; y < 10; ++y) {
        lefts.push_back(shape.row(y).left);
        rights.push_back(20 - shape.row(y).right);
    }
    EXPECT_EQ(lefts, (std::vector<int>{4, 3, 1, 1, 0, 0, 1, 1, 3, 4}));
    EXPECT_EQ(rights, lefts);
    EXPECT_TRUE(shape.row(10).isEmpty());
    const SpanRegion inner = MakeRoundedRegion(1, 1, 18, 12, 4);
    EXPECT_TRUE(inner.row(0).isEmpty());
    EXPECT_EQ(std::tuple(inner.row(1).left, inner.row(6).left, inner.row(6).right),
              std::tuple(5, 1, 19));
}

// The game's buttons have a caption alone, centred and never left of the
// edge, which moves one pixel right and down while pressed.
TEST(CandyCaption, ACaptionAloneIsCentredAndMovesWhenPressed)
{
    EXPECT_EQ(layoutCaption(0, {100, 40}, {0, 0}, {30, 10}, 11, false).caption, QPoint(35, 15));
    EXPECT_EQ(layoutCaption(0, {40, 20}, {0, 0}, {100, 10}, 5, false).caption.x(), 30)
        << "|40/2 - 100/2|, never negative";
    CandyLook look;
    look.caption = QStringLiteral("&Save");
    const auto render = [&look](ButtonState state) {
        QImage surface(100, 30, QImage::Format_RGB32);
        surface.fill(Qt::white);
        drawCaptionAndPicture(surface, look, state);
        return surface;
    };
    ASSERT_NE(render(Normal), render(Down));
    EXPECT_EQ(render(Down).copy(1, 1, 99, 29), render(Normal).copy(0, 0, 99, 29));
}

// The rounded body: the base colour at the edge, a gloss fading from white at
// the top, a glow toward ColorBright in the middle, and a focus frame.
TEST(CandyPainters, RoundedBodyHasAGlossAGlowAndAFocusFrame)
{
    CandyLook look;
    look.style = 7;
    look.colorButtonUp = 0x402010;
    look.colorBright = 0xFFFFFF;
    const CandyShape shape = buildCandyShape(look.style, {130, 40}, 0);
    look.shapeRadius = shape.radius;
    look.innerShape = shape.inner;
    const auto paint = [&look](ButtonState state) {
        QImage surface(130, 40, QImage::Format_RGB32);
        surface.fill(Qt::gray);
        PaintRounded(surface, look, state);
        drawCaptionAndPicture(surface, look, state);
        return surface;
    };
    const QImage body = paint(Normal);
    EXPECT_EQ(drawing::fromQColor(body.pixelColor(3, 36)), look.colorButtonUp);
    EXPECT_GT(body.pixelColor(65, 20).lightness(), 200) << "the glow";
    EXPECT_NE(paint(Focus), body);
    look.colorBright = look.colorButtonUp;
    EXPECT_GT(paint(Normal).pixelColor(65, 2).lightness(), 200) << "the gloss, without a glow";
}
