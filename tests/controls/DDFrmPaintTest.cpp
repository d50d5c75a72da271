#include "controls/AppStarted.h"
#include "controls/DDFrm.h"

#include <QImage>
#include <gtest/gtest.h>

using controls::DDFrm;
using drawing::rgb;

namespace {

constexpr int Width = 296;
constexpr int TitleTwips = 400;
constexpr drawing::OleColor TitleBack = 0x404080;
constexpr QRgb Title1 = qRgb(128, 64, 64);
// TitleBack lightened by 60 percent.
constexpr QRgb Title2 = qRgb(204, 179, 179);
constexpr QRgb ArrowFace = qRgb(255, 255, 255);
constexpr QRgb ArrowShadow = qRgb(48, 24, 24);

bool near(QRgb a, QRgb b, int tolerance = 4)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

std::string text(QRgb c)
{
    return std::to_string(qRed(c)) + "," + std::to_string(qGreen(c)) + "," +
           std::to_string(qBlue(c));
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
        frame.setTitleHeight(TitleTwips);
    }
    void TearDown() override { controls::AppStarted = false; }

    QImage painted()
    {
        frame.DrawTitle();
        return frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    int titleBottom() const { return frame.titlePixelHeight() - 1; }

    DDFrm frame{QStringLiteral("DD1")};
};

// The title runs from its colour to the lightened one, across unless
// TitleGradient is 2; a designer shows the flat colour.
TEST_F(DDFrmPaintTest, TitleGradientRunsInTheChosenDirection)
{
    const struct
    {
        bool started;
        int gradient;
        QPoint start;
        QPoint end;
        QRgb endColour;
    } cases[] = {{true, 0, {0, 10}, {Width - 1, 10}, Title2},
                 {true, 1, {0, 10}, {Width - 1, 10}, Title2},
                 {true, 2, {100, 0}, {100, 26}, Title2},
                 {false, 2, {0, 0}, {Width - 1, 26}, Title1}};
    for (const auto &c : cases) {
        controls::AppStarted = c.started;
        frame.setTitleGradient(c.gradient);
        const QImage image = painted();
        EXPECT_TRUE(near(image.pixel(c.start), Title1))
            << c.gradient << ": " << text(image.pixel(c.start));
        EXPECT_TRUE(near(image.pixel(c.end), c.endColour, 6))
            << c.gradient << ": " << text(image.pixel(c.end));
    }
}

// The arrow's green must stay transparent, and UseIcon 0 must hide it.
TEST_F(DDFrmPaintTest, ArrowIsKeyedOntoTheRightOfTheTitle)
{
    frame.setUseIcon(1);
    const QImage image = painted();
    const int left = Width - 18;
    EXPECT_EQ(image.pixel(left, 0), Title1) << "green is transparent";
    EXPECT_EQ(image.pixel(Width - 1, 17), Title1);
    EXPECT_EQ(image.pixel(left + 9, 8), ArrowFace);
    EXPECT_EQ(image.pixel(left + 14, 8), ArrowShadow);
    for (int y = 0; y < 18; ++y) {
        for (int x = left; x < Width; ++x) {
            ASSERT_NE(image.pixel(x, y), qRgb(0, 255, 0)) << x << "," << y;
        }
    }

    frame.setUseIcon(0);
    EXPECT_EQ(painted().pixel(left + 9, 8), Title1);
}

// TitleBorder 1 outlines the title only; the body shows DDBackColor.
TEST_F(DDFrmPaintTest, TitleBorderOutlinesTheTitleBarAboveTheBody)
{
    frame.setTitleBorderColor(0x40);
    frame.setTitleBorder(1);
    const QImage image = painted();
    const QRgb border = qRgb(64, 0, 0);
    for (const QPoint p : {QPoint(0, 0), QPoint(Width / 2, 0), QPoint(Width - 1, titleBottom()),
                           QPoint(0, titleBottom() / 2)}) {
        EXPECT_EQ(image.pixel(p), border) << p.x() << "," << p.y();
    }
    EXPECT_EQ(image.pixel(1, 1), Title1);

    frame.setTitleBorder(0);
    frame.setDDBackColor(rgb(10, 200, 30));
    EXPECT_EQ(painted().pixel(0, 0), Title1);
    EXPECT_EQ(painted().pixel(Width / 2, 60), qRgb(10, 200, 30)) << "the body's colour";
}

// The columns where the title text has white pixels.
std::pair<int, int> textSpan(const QImage &image, int height)
{
    int first = image.width();
    int last = -1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (near(image.pixel(x, y), ArrowFace, 60)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

// The painted text must sit where TitleAlign puts it, not where the label defaults.
TEST_F(DDFrmPaintTest, TitleTextFollowsItsAlignment)
{
    frame.setTitle(QStringLiteral("Puzzle"));
    frame.setTitleForeColor(0xFFFFFF);
    frame.setTitleFontsize(12);
    const int third = Width / 3;
    frame.setTitleAlign(0);
    auto [first, last] = textSpan(painted(), frame.titlePixelHeight());
    EXPECT_GT(first, 0) << "a blank leads";
    EXPECT_LT(last, third);
    frame.setTitleAlign(1);
    std::tie(first, last) = textSpan(painted(), frame.titlePixelHeight());
    EXPECT_GT(first, 2 * third);
    EXPECT_LT(last, Width - 1) << "a blank trails";
    frame.setTitleAlign(2);
    std::tie(first, last) = textSpan(painted(), frame.titlePixelHeight());
    EXPECT_NEAR(first + last, Width, 6);
}

} // namespace
