#include "QtPrinters.h"
#include "controls/CandyButton.h"
#include "controls/CandyCaption.h"
#include "controls/CandyColors.h"
#include "controls/CandyPainters.h"
#include "controls/CandyRoundedPainter.h"
#include "controls/CandyShape.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <functional>
#include <gtest/gtest.h>

using namespace controls;

TEST(CandyColors, BlendTruncatesTowardZeroAndLimitsThePercentage)
{
    struct Case
    {
        drawing::OleColor from;
        drawing::OleColor to;
        int percentage;
        drawing::OleColor expected;
        int writtenBack;
    };
    const std::vector<Case> cases = {
        {0x000000, 0xFFFFFF, 50, 0x7F7F7F, 50},
        {0xFFFFFF, 0x000000, 50, 0x808080, 50}, // -127.5 truncates to -127
        {0x000000, 0xFFFFFF, 150, 0xFFFFFF, 100},
        {0x102030, 0xFFFFFF, -5, 0x102030, 0},
        {0xFFFFFF, 0xE99950, 9, 0xFEF6F0, 9},
    };
    for (const Case &c : cases) {
        int percentage = c.percentage;
        EXPECT_EQ(CandyButton::BlendColors(c.from, c.to, percentage), c.expected)
            << std::hex << c.from << " -> " << c.to << " at " << std::dec << c.percentage;
        EXPECT_EQ(percentage, c.writtenBack);
    }
}

TEST(CandyColors, SystemColoursAreResolvedBeforeSplitting)
{
    const QColor face = QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
    int r = -1, g = -1, b = -1;
    CandyButton::GetRGB(r, g, b, 0x8000000F);
    EXPECT_EQ(r, face.red());
    EXPECT_EQ(g, face.green());
    EXPECT_EQ(b, face.blue());
    CandyButton::GetRGB(r, g, b, 0x00336699);
    EXPECT_EQ(r, 0x99);
    EXPECT_EQ(g, 0x66);
    EXPECT_EQ(b, 0x33);
}

TEST(CandyColors, ClampChecksTheMinimumFirst)
{
    EXPECT_EQ(Clamp(-3, 1, 10), 1);
    EXPECT_EQ(Clamp(30, 1, 10), 10);
    EXPECT_EQ(Clamp(5, 1, 0), 0) << "a narrow button: the maximum wins over a met minimum";
    EXPECT_EQ(Clamp(0, 1, 0), 1);
}

TEST(CandyShape, CornerRadiusByStyle)
{
    struct Case
    {
        int style;
        QSize client;
        int expected;
    };
    const std::vector<Case> cases = {
        {2, {130, 40}, 21}, {4, {30, 40}, 15}, {5, {130, 9}, 5},   {3, {60, 20}, 12},
        {6, {130, 40}, 13}, {6, {6, 40}, 2},   {7, {130, 40}, 11}, {7, {20, 40}, 5},
        {0, {130, 40}, 9},  {1, {130, 40}, 9}, {9, {130, 40}, 9},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(shapeRadiusFor(c.style, c.client, 9), c.expected) << "style " << c.style;
    }
    EXPECT_EQ(styleParamsFor(3, 60, 20, 12)[8], 65) << "min(100 - 700 div 20, 80)";
    EXPECT_EQ(styleParamsFor(3, 60, 5, 12)[8], -40);
}

TEST(CandyShape, RoundedRegionCutsQuarterCirclesSymmetrically)
{
    // For r = 4 the rows lose 4, 3, 1, 1 pixels at each end: row 0 keeps no
    // corner pixel because every one has b = r.
    const SpanRegion shape = MakeRoundedRegion(0, 0, 20, 10, 4);
    const std::vector<int> insets = {4, 3, 1, 1, 0, 0, 1, 1, 3, 4};
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(shape.row(y).left, insets[std::size_t(y)]) << "row " << y;
        EXPECT_EQ(shape.row(y).right, 20 - insets[std::size_t(y)]) << "row " << y;
    }
    EXPECT_TRUE(shape.row(10).isEmpty());
    EXPECT_EQ(shape.toRegion().boundingRect(), QRect(0, 0, 20, 10));
    EXPECT_FALSE(shape.toRegion().contains(QPoint(0, 0)));

    const SpanRegion inner = MakeRoundedRegion(1, 1, 18, 12, 4);
    EXPECT_TRUE(inner.row(0).isEmpty());
    EXPECT_EQ(inner.row(1).left, 5);
    EXPECT_EQ(inner.row(6).left, 1);
    EXPECT_EQ(inner.row(6).right, 19);
}

TEST(CandyShape, RoundedStylesGetAnOutlineAndAnInsetInnerShape)
{
    const CandyShape shape = buildCandyShape(7, {130, 40}, 0);
    EXPECT_TRUE(shape.rounded);
    EXPECT_EQ(shape.outline.row(20).left, 0);
    EXPECT_EQ(shape.inner.row(20).left, 1);
    EXPECT_EQ(shape.inner.row(20).right, 129);
    EXPECT_FALSE(buildCandyShape(1, {130, 40}, 0).rounded);
}

TEST(CandyCaption, PositionsByAlignment)
{
    struct Case
    {
        const char *name;
        int alignment;
        int radius;
        bool down;
        QPoint picture;
        QPoint caption;
    };
    const QSize client(100, 40);
    const QSize picture(16, 12);
    const QSize text(30, 10);
    const std::vector<Case> cases = {
        {"above", 0, 11, false, {43, 10}, {35, 21}},
        {"below", 1, 11, false, {42, 20}, {35, 9}},
        {"left", 2, 11, false, {11, 15}, {35, 15}},
        {"right", 3, 11, false, {73, 15}, {35, 15}},
        {"left without radius", 2, 0, false, {8, 15}, {35, 15}},
        {"right without radius", 3, 0, false, {76, 15}, {35, 15}},
        {"pressed moves both", 2, 0, true, {9, 16}, {36, 16}},
    };
    for (const Case &c : cases) {
        const CaptionLayout layout =
            layoutCaption(c.alignment, client, picture, text, c.radius, c.down);
        EXPECT_EQ(layout.picture, c.picture) << c.name;
        EXPECT_EQ(layout.caption, c.caption) << c.name;
    }
    const CaptionLayout wide = layoutCaption(2, {40, 20}, {}, {100, 10}, 5, false);
    EXPECT_EQ(wide.caption.x(), 30) << "|40/2 - 100/2|, never negative";
}

namespace {

QImage paintedBody(int style, ButtonState state)
{
    CandyLook look;
    look.style = style;
    look.colorButtonUp = 0x202080;
    look.colorButtonHover = 0x20A020;
    look.colorButtonDown = 0x802020;
    const CandyShape shape = buildCandyShape(style, {60, 24}, 0);
    look.shapeRadius = shape.radius;
    look.innerShape = shape.inner;
    QImage surface(60, 24, QImage::Format_RGB32);
    surface.fill(Qt::gray);
    const std::function<void(QImage &, const CandyLook &, ButtonState)> painter =
        style == 0   ? PaintClassic
        : style == 1 ? PaintSoft
                     : PaintBead;
    painter(surface, look, state);
    drawCaptionAndPicture(surface, look, state);
    return surface;
}

} // namespace

TEST(CandyPainters, EveryStateLooksDifferent)
{
    const std::vector<ButtonState> states = {Normal, Down, Focus, Hover, CheckedDown};
    for (int style : {0, 1, 6}) {
        for (std::size_t i = 0; i < states.size(); ++i) {
            for (std::size_t j = i + 1; j < states.size(); ++j) {
                if (style == 6 && states[i] == Down && states[j] == CheckedDown) {
                    continue; // the bead shades both with ColorButtonDown
                }
                EXPECT_NE(paintedBody(style, states[i]), paintedBody(style, states[j]))
                    << "style " << style << ", states " << states[i] << " and " << states[j];
            }
        }
    }
}

TEST(CandyCaption, PressedCaptionAndPictureMoveOnePixelRightAndDown)
{
    QImage picture(12, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    CandyLook look;
    look.caption = QStringLiteral("&Save");
    look.picture = drawing::Picture::fromImage(picture);
    look.pictureAlignment = 2;
    const auto render = [&look](ButtonState state) {
        QImage surface(100, 30, QImage::Format_RGB32);
        surface.fill(Qt::white);
        drawCaptionAndPicture(surface, look, state);
        return surface;
    };
    const QImage normal = render(Normal);
    const QImage down = render(Down);
    ASSERT_NE(normal, down);
    EXPECT_EQ(down.copy(1, 1, 99, 29), normal.copy(0, 0, 99, 29));
}

TEST(CandyCaption, PictureHighlightAndDisabledLook)
{
    QImage picture(12, 10, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixelColor(5, 5, Qt::red);
    CandyLook look;
    look.picture = drawing::Picture::fromImage(picture);
    look.pictureAlignment = 2;
    look.iconHighLite = true;
    look.iconHighLiteColor = 0x00FF00;
    const auto render = [&look](ButtonState state) {
        QImage surface(60, 30, QImage::Format_RGB32);
        surface.fill(Qt::white);
        drawCaptionAndPicture(surface, look, state);
        return surface;
    };
    // Radius 0: the picture sits 8 pixels from the left, (30 - 10) / 2 + 1 down.
    const QPoint dot(8 + 5, 11 + 5);
    EXPECT_EQ(render(Normal).pixelColor(dot), QColor(Qt::red));
    EXPECT_EQ(render(Hover).pixelColor(dot), QColor(0, 255, 0));
    look.enabled = false;
    const QImage disabled = render(Hover);
    EXPECT_EQ(drawing::fromQColor(disabled.pixelColor(dot)), drawing::TranslateColor(0x80000010));
    EXPECT_EQ(drawing::fromQColor(disabled.pixelColor(dot + QPoint(1, 1))),
              drawing::TranslateColor(0x80000014));
}
