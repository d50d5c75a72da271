// The drop-down arrow, the list's icons and the buttons' glow on a screen of
// more device pixels than window pixels, as the controls_at_2x and
// controls_at_1_5x tests give it: pictures made at 1x and scaled up showed
// window-pixel stairs.
#include "controls/CandyButton.h"
#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "support/DevicePixels.h"

#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int FrameWidth = 200;
constexpr int TitleTwips = 400;
constexpr drawing::OleColor TitleBack = 0x404080;
constexpr int ArrowSide = 18;
constexpr int IconSide = 8;
constexpr int RowHeight = 20;

// Pixels in area of none of the colours given: blends of them.
int blendedPixels(const QImage &image, const QRect &area, const QSet<QRgb> &colours)
{
    return pixelsWhere(
        image, area, [&colours](QRgb c) { return !colours.contains(c); });
}

QRect devicePixels(const QRect &logical, qreal ratio)
{
    return {(QPointF(logical.topLeft()) * ratio).toPoint(),
            (QSizeF(logical.size()) * ratio).toSize()};
}

// A strip at ratio: icon 0 blank, icon 1 red and blue in alternate device
// pixels, which no scaling keeps.
QImage checkeredStrip(qreal ratio)
{
    const int side = qRound(IconSide * ratio);
    QImage strip(2 * side, side, QImage::Format_RGB32);
    strip.fill(Qt::white);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            strip.setPixel(side + x, y, (x + y) % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    strip.setDevicePixelRatio(ratio);
    return strip;
}

class DenseScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        top.resize(300, 200);
        top.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
        if (ratio() <= 1)
            GTEST_SKIP() << "needs a dense screen, as the controls_at_2x test gives it";
    }
    qreal ratio() const { return top.devicePixelRatioF(); }

    QWidget top;
};

// The arrow was the 1x picture scaled up, in blocks, or smoothly, with
// blurred edges; a smooth edge on the key green would leave a green fringe
// once keyed out. At 2x its edges fall on device pixels: each shows the
// title or a colour of the 1x picture.
TEST_F(DenseScreenTest, TheArrowHasDeviceResolutionAndNoKeyColour)
{
    // A designer's flat title, so that only the arrow varies.
    controls::DDFrm frame(QStringLiteral("DD1"), &top);
    frame.setDDBorderStyle(0);
    frame.setTitleHeight(TitleTwips);
    frame.setTitleBackColor(TitleBack);
    frame.setUseIcon(1);
    frame.setGeometry(0, 0, FrameWidth, 40);
    frame.show();
    const QImage shot = frame.grab().toImage();
    const QRect arrow =
        devicePixels(QRect(FrameWidth - ArrowSide, 0, ArrowSide, ArrowSide), ratio());
    ASSERT_EQ(shot.width(), qRound(FrameWidth * ratio()));
    EXPECT_EQ(greenishPixels(shot, arrow), 0);
    if (ratio() != 2)
        return;
    EXPECT_FALSE(blownUp(shot, arrow));
    const QImage oneX(QStringLiteral(":/controls/ddarrow.png"));
    QSet<QRgb> colours = {drawing::toQColor(TitleBack).rgb()};
    for (int y = 0; y < oneX.height(); ++y)
        for (int x = 0; x < oneX.width(); ++x)
            colours.insert(oneX.pixel(x, y));
    EXPECT_EQ(blendedPixels(shot, arrow, colours), 0);
}

// A strip made at the screen's ratio was read as 1x: its icons came out
// shrunk, or scaled, instead of pixel for pixel.
TEST_F(DenseScreenTest, AnIconOfAStripAtTheScreensRatioKeepsItsDevicePixels)
{
    controls::CoolList list(&top);
    list.setBorderStyle(0);
    list.setItemHeightAuto(false);
    list.setItemHeight(RowHeight);
    list.setGeometry(0, 0, 150, 3 * RowHeight);
    list.setItemTextLeft(2 * IconSide);
    list.AddItem(QStringLiteral("Ticked"), 1, 1);
    const QImage strip = checkeredStrip(ratio());
    list.SetImageList(strip, 0, IconSide);
    const QImage shown = list.surface().copy(
        devicePixels(QRect(0, (RowHeight - IconSide) / 2, IconSide, IconSide), ratio()));
    const QImage icon = strip.copy(strip.width() / 2, 0, strip.width() / 2, strip.height());
    ASSERT_EQ(shown.size(), icon.size());
    EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) == icon)
        << "the icon's device pixels as the strip has them";
}

// The glow's rings were drawn in window pixels and scaled up, in stairs of
// two device pixels.
TEST_F(DenseScreenTest, TheButtonsGlowHasDeviceResolution)
{
    if (ratio() != 2)
        GTEST_SKIP() << "blocks show at 2x";
    controls::CandyButton button(QStringLiteral("CB1"), &top);
    button.setStyle(3);
    button.setCaption(QString());
    button.setGeometry(0, 0, 130, 40);
    button.show();
    const QImage shot = button.grab().toImage();
    // Below the gloss band and inside the border ring: the glow alone.
    EXPECT_FALSE(blownUp(shot, devicePixels(QRect(10, 20, 110, 14), ratio())));
}

} // namespace
