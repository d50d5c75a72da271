#include "controls/CandyButton.h"
#include "QtPrinters.h"
#include "ReportRecorder.h"
#include "controls/CandyColors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

using controls::CandyButton;
using drawing::OleColor;

namespace {

constexpr OleColor Up = 0x402010;
constexpr OleColor HoverColor = 0x10A040;
constexpr OleColor DownColor = 0x1010C0;
constexpr QPoint ButtonOrigin(50, 40);
constexpr QSize ButtonSize(130, 40);
// Inside the inner outline but outside the second glow ellipse: plain base.
constexpr QPoint BasePixel(3, 36);
constexpr QPoint Outside(10, 10);

std::string describe(OleColor c)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", unsigned(c));
    return text;
}

// A style-7 button in a shown window; every pointer event goes to the
// window, so the button's mask decides what reaches it.
class CandyButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        top.resize(300, 140);
        button = new CandyButton(QStringLiteral("CB1"), &top);
        button->setGeometry(QRect(ButtonOrigin, ButtonSize));
        button->setStyle(7);
        button->setCaption(QString());
        button->setColorButtonUp(Up);
        button->setColorButtonHover(HoverColor);
        button->setColorButtonDown(DownColor);
        QObject::connect(button, &CandyButton::Click, [this] { log.push_back("Click"); });
        QObject::connect(button, &CandyButton::DblClick, [this] { log.push_back("DblClick"); });
        QObject::connect(button, &CandyButton::MouseDown, [this](qint16 b, qint16, float, float) {
            log.push_back("Down" + std::to_string(b));
        });
        QObject::connect(button, &CandyButton::MouseUp, [this](qint16 b, qint16, float, float) {
            log.push_back("Up" + std::to_string(b));
        });
        QObject::connect(button, &CandyButton::MouseMove,
                         [this](qint16, qint16, float, float) { ++moves; });
        QObject::connect(button, &CandyButton::MouseEnter, [this] { log.push_back("Enter"); });
        QObject::connect(button, &CandyButton::MouseLeave, [this] { log.push_back("Leave"); });
        top.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
        QTest::mouseMove(window(), Outside);
        log.clear();
    }

    QWindow *window() { return top.windowHandle(); }
    QPoint inButton(QPoint local) const { return ButtonOrigin + local; }
    QPoint centre() const { return inButton(QPoint(65, 20)); }

    OleColor pixel(QPoint local) const
    {
        return drawing::fromQColor(button->grab().toImage().pixelColor(local));
    }

    ReportRecorder recorder;
    QWidget top;
    CandyButton *button = nullptr;
    std::vector<std::string> log;
    int moves = 0;
};

#define EXPECT_COLOR(actual, expected) EXPECT_EQ(describe(actual), describe(expected))

// The hover look and MouseEnter/MouseLeave come from the routed leave notification.
TEST_F(CandyButtonTest, HoverEnterAndLeaveDrawTheHoverColourAndRaiseEvents)
{
    EXPECT_COLOR(pixel(BasePixel), Up);
    QTest::mouseMove(window(), centre());
    EXPECT_COLOR(pixel(BasePixel), HoverColor);
    QTest::mouseMove(window(), centre() + QPoint(5, 0));
    QTest::mouseMove(window(), Outside);
    EXPECT_COLOR(pixel(BasePixel), Up);
    EXPECT_EQ(log, (std::vector<std::string>{"Enter", "Leave"}));
    EXPECT_EQ(moves, 2);
    EXPECT_TRUE(recorder.reports().empty());
}

// Click belongs to the left button alone.
TEST_F(CandyButtonTest, OnlyALeftClickRaisesClickAndPressedDrawsTheDownColour)
{
    QTest::mouseMove(window(), centre());
    QTest::mousePress(window(), Qt::LeftButton, {}, centre());
    EXPECT_COLOR(pixel(BasePixel), DownColor);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, centre());
    EXPECT_COLOR(pixel(BasePixel), HoverColor);
    EXPECT_EQ(log, (std::vector<std::string>{"Enter", "Down1", "Up1", "Click"}));
    log.clear();
    QTest::mouseClick(window(), Qt::RightButton, {}, centre());
    EXPECT_EQ(log, (std::vector<std::string>{"Down2", "Up2"})) << "no Click for the right button";
}

// Clicks beside the rounded corners must fall through the mask.
TEST_F(CandyButtonTest, RoundedCornerOutsideTheMaskDoesNotReachTheButton)
{
    QTest::mouseClick(window(), Qt::LeftButton, {}, inButton(QPoint(1, 1)));
    QTest::mouseClick(window(), Qt::LeftButton, {}, inButton(QPoint(128, 38)));
    EXPECT_TRUE(log.empty());
    QTest::mouseClick(window(), Qt::LeftButton, {}, inButton(QPoint(1, 20)));
    EXPECT_EQ(log.back(), "Click") << "the straight edge is inside";
}

// The second press of a double click must not click a second time.
TEST_F(CandyButtonTest, DoubleClickRaisesOneClickAndOneDblClick)
{
    QTest::mouseDClick(window(), Qt::LeftButton, {}, centre());
    EXPECT_EQ(std::count(log.begin(), log.end(), "Click"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "DblClick"), 1);
    EXPECT_EQ(log.back(), "Up1");
}

// A held Enter must click once, and Space not at all.
TEST_F(CandyButtonTest, EnterKeyClicksOnceAndSpaceDoesNothing)
{
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Return);
    EXPECT_COLOR(pixel(BasePixel), DownColor);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(button, &repeatRelease);
    QCoreApplication::sendEvent(button, &repeatPress);
    EXPECT_TRUE(repeatPress.isAccepted()) << "a held Enter does not reach the window";
    QTest::keyRelease(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_A);
    EXPECT_EQ(log, (std::vector<std::string>{"Down1", "Up1", "Click"}));
    EXPECT_COLOR(pixel(BasePixel), Up) << "focused, not hovered";
}

// A window's button that closes on the Enter press hands the focus back
// while Enter is still down; the release must not click the button.
TEST_F(CandyButtonTest, EnterReleaseWithoutItsPressOnTheButtonDoesNotClick)
{
    auto *closer = new QPushButton(&top);
    closer->setAutoDefault(true);
    closer->show();
    QObject::connect(closer, &QPushButton::clicked, [this] { button->setFocus(); });
    top.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&top));
    closer->setFocus();
    QTest::keyPress(closer, Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), button);
    QTest::keyRelease(button, Qt::Key_Return);
    EXPECT_TRUE(log.empty());

    QTest::keyPress(button, Qt::Key_Return);
    closer->setFocus();
    button->setFocus();
    QTest::keyRelease(button, Qt::Key_Return);
    EXPECT_EQ(log, (std::vector<std::string>{"Down1"})) << "the focus left while Enter was down";
}

// A disabled button must raise nothing but MouseEnter and MouseLeave.
TEST_F(CandyButtonTest, DisabledButtonOnlyHovers)
{
    button->setEnabled(false);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << "Tab passes a disabled button";
    EXPECT_COLOR(pixel(BasePixel), 0xB0C0C0);
    QTest::mouseMove(window(), centre());
    EXPECT_COLOR(pixel(BasePixel), 0xB0C0C0) << "grey even while hovered";
    QTest::mouseDClick(window(), Qt::LeftButton, {}, centre());
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::mouseMove(window(), Outside);
    EXPECT_EQ(log, (std::vector<std::string>{"Enter", "Leave"}));
    EXPECT_EQ(moves, 0);
}

// A press dragged off the button must not click on release.
TEST_F(CandyButtonTest, DraggingOutShowsNormalAndReleasingOutsideDoesNotClick)
{
    QTest::mouseMove(window(), centre());
    QTest::mousePress(window(), Qt::LeftButton, {}, centre());
    QTest::mouseMove(window(), Outside);
    EXPECT_COLOR(pixel(BasePixel), Up);
    QTest::mouseMove(window(), centre());
    EXPECT_COLOR(pixel(BasePixel), Up) << "no hover while the left button is held";
    QTest::mouseMove(window(), Outside);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, Outside);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Click"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Up1"), 1);
}

// Hover and clicks must not lift a checked button.
TEST_F(CandyButtonTest, CheckedButtonKeepsTheDownColourInEveryState)
{
    button->setChecked(true);
    EXPECT_COLOR(pixel(BasePixel), DownColor);
    QTest::mouseMove(window(), centre());
    EXPECT_COLOR(pixel(BasePixel), DownColor);
    QTest::mouseClick(window(), Qt::LeftButton, {}, centre());
    QTest::mouseMove(window(), Outside);
    EXPECT_COLOR(pixel(BasePixel), DownColor);
    button->setChecked(false);
    EXPECT_COLOR(pixel(BasePixel), Up);
}

// The border ring, the gloss and the glow of the rounded body, pixel by pixel.
TEST_F(CandyButtonTest, FixedColoursOfTheRoundedBody)
{
    button->setBorderBrightness(40);
    int percentage = 40;
    EXPECT_COLOR(pixel(QPoint(65, 39)), CandyButton::BlendColors(Up, 0xFFFFFF, percentage))
        << "border ring";
    EXPECT_COLOR(pixel(QPoint(0, 20)), CandyButton::BlendColors(Up, 0xFFFFFF, percentage));
    // Row 2 of the gloss fades by 50 * 2 / 11 = 9 percent from white.
    percentage = 9;
    EXPECT_COLOR(pixel(QPoint(65, 2)), CandyButton::BlendColors(0xFFFFFF, Up, percentage));
    button->setBorderBrightness(-100);
    EXPECT_COLOR(pixel(QPoint(129, 20)), 0x000000);

    button->setColorBright(0xFFFFFF);
    int r = 0, g = 0, b = 0;
    CandyButton::GetRGB(r, g, b, pixel(QPoint(65, 20)));
    EXPECT_GE(r, 0xF4) << "the glow centre reaches the bright colour";
    EXPECT_GE(g, 0xF4);
    EXPECT_GE(b, 0xF4);
}

// A scheme sets the four body colours; a colour set by hand must end the
// scheme, and an unknown scheme must keep the colours.
TEST_F(CandyButtonTest, SchemesSetTheBodyColoursUntilOneIsSetByHand)
{
    button->setColorScheme(2);
    EXPECT_COLOR(pixel(BasePixel), 0xD09060);
    button->setColorBright(0x123456);
    EXPECT_EQ(button->ColorScheme(), 0);
    button->setColorScheme(9);
    EXPECT_EQ(button->ColorScheme(), 9);
    EXPECT_EQ(button->ColorButtonUp(), 0xD09060u) << "an unknown scheme keeps the colours";
    button->setBorderBrightness(150);
    EXPECT_EQ(button->BorderBrightness(), 100);
    button->setBorderBrightness(-150);
    EXPECT_EQ(button->BorderBrightness(), -100);
}

// A repaint must not schedule another one while the shape stays the same.
TEST_F(CandyButtonTest, AnUnchangedShapeCausesNoFurtherPaint)
{
    struct PaintCounter : QObject
    {
        int count = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::Paint;
            return false;
        }
    } paints;
    const auto settle = [] {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    };
    settle();
    button->installEventFilter(&paints);
    button->update();
    settle();
    EXPECT_EQ(paints.count, 1);
    button->resize(140, 40);
    settle();
    EXPECT_EQ(paints.count, 2);
}

} // namespace
