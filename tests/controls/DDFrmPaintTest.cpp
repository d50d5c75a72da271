#include "controls/AppStarted.h"
#include "controls/DDFrm.h"

#include <QImage>
#include <gtest/gtest.h>

using controls::DDFrm;

namespace {

constexpr int Width = 296;
constexpr drawing::OleColor TitleBack = 0x404080;
constexpr QRgb Title1 = qRgb(128, 64, 64);
// TitleBack lightened by 60 percent.
constexpr QRgb Title2 = qRgb(204, 179, 179);
constexpr QRgb White = qRgb(255, 255, 255);

// The largest channel difference, so a failure shows how far off a colour is.
int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// A borderless frame with an empty title, painted as the window would.
class DDFrmPaintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame.resize(Width, 90);
        frame.setDDBorderStyle(0);
        frame.setTitle(QString());
        frame.setTitleBackColor(TitleBack);
        frame.setTitleHeight(400);
    }
    void TearDown() override { controls::AppStarted = false; }

    QImage painted()
    {
        frame.DrawTitle();
        return frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    DDFrm frame{QStringLiteral("DD1")};
};

// The title runs from its colour to the lightened one, across unless
// TitleGradient is 2 (the game's); a designer shows the flat colour.
TEST_F(DDFrmPaintTest, TitleGradientRunsInTheChosenDirection)
{
    // clang-format off
    const struct { bool started; int gradient; QPoint start, end; QRgb endColour; } cases[] = {
        {true, 0, {0, 10}, {Width - 1, 10}, Title2}, {true, 2, {100, 0}, {100, 26}, Title2},
        {false, 2, {0, 0}, {Width - 1, 26}, Title1}};
    // clang-format on
    for (const auto &c : cases) {
        controls::AppStarted = c.started;
        frame.setTitleGradient(c.gradient);
        const QImage image = painted();
        EXPECT_LE(distance(image.pixel(c.start), Title1), 4) << c.gradient;
        EXPECT_LE(distance(image.pixel(c.end), c.endColour), 6) << c.gradient;
    }
}

// The arrow's green must stay transparent, and UseIcon 0 must hide it;
// TitleBorder 1 outlines the title only, above a body in DDBackColor.
TEST_F(DDFrmPaintTest, ArrowAndBorderOfTheTitle)
{
    const int left = Width - 18;
    const int titleBottom = frame.titlePixelHeight() - 1;
    frame.setUseIcon(1);
    frame.setTitleBorderColor(0x40);
    frame.setTitleBorder(1);
    frame.setDDBackColor(drawing::rgb(10, 200, 30));
    QImage image = painted();
    EXPECT_EQ(image.pixel(left + 9, 8), White) << "the arrow's face";
    for (int y = 1; y < 18; ++y) {
        for (int x = left; x < Width - 1; ++x)
            ASSERT_NE(image.pixel(x, y), qRgb(0, 255, 0))
                << "green is transparent at " << x << "," << y;
    }
    EXPECT_EQ(image.pixel(Width / 2, 0), qRgb(64, 0, 0)) << "the title's border";
    EXPECT_EQ(image.pixel(Width - 1, titleBottom), qRgb(64, 0, 0));
    EXPECT_EQ(image.pixel(Width / 2, 60), qRgb(10, 200, 30)) << "the body's colour";

    frame.setUseIcon(0);
    frame.setTitleBorder(0);
    image = painted();
    EXPECT_EQ(image.pixel(left + 9, 8), Title1);
    EXPECT_EQ(image.pixel(0, 0), Title1);
}

// The painted text must sit where TitleAlign puts it (the game's 2 centres
// it), not where the label defaults: the span of its white pixels.
TEST_F(DDFrmPaintTest, TitleTextFollowsItsAlignment)
{
    frame.setTitle(QStringLiteral("Puzzle"));
    frame.setTitleForeColor(0xFFFFFF);
    frame.setTitleFontsize(12);
    // clang-format off
    // Where the sum of the text's first and last column may lie.
    const struct { int align, low, high; } cases[] = {{0, 1, Width / 2}, {1, 3 * Width / 2, 2 * Width}, {2, Width - 6, Width + 6}};
    // clang-format on
    for (const auto &c : cases) {
        frame.setTitleAlign(c.align);
        const QImage image = painted();
        int first = Width;
        int last = -1;
        for (int y = 0; y < frame.titlePixelHeight(); ++y) {
            for (int x = 0; x < Width; ++x) {
                if (distance(image.pixel(x, y), White) <= 60) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        EXPECT_GE(first + last, c.low) << c.align;
        EXPECT_LE(first + last, c.high) << c.align;
    }
}

} // namespace
