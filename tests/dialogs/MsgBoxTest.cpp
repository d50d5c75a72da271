#include "ModalDriver.h"
#include "dialogs/BalloonShape.h"
#include "dialogs/msgFrm.h"

#include <QApplication>
#include <QCheckBox>
#include <QScreen>
#include <QScrollArea>
#include <gtest/gtest.h>

using namespace dialogs;
using namespace dialogs_test;

namespace {

constexpr int InfoOK = 64;

short showAndClick(int flags, int index, const QString &b1 = {}, const QString &b2 = {},
                   const QString &b3 = {})
{
    whenShown([index](msgFrm &w) { clickButton(w, index); });
    return msg_Box("Pick one", flags, "Title", true, {}, b1, b2, b3);
}

TEST(MsgBoxButtons, EveryStandardSetAnswersWithItsCodes)
{
    struct Case
    {
        int set;
        int index;
        short result;
    } const cases[] = {{0, 0, 1}, {7, 0, 1}, {1, 0, 1}, {1, 1, 2}, {2, 0, 3}, {2, 1, 4}, {2, 2, 5},
                       {3, 0, 6}, {3, 1, 7}, {3, 2, 2}, {4, 0, 6}, {4, 1, 7}, {5, 0, 4}, {5, 1, 2}};
    for (const Case &c : cases) {
        EXPECT_EQ(showAndClick(InfoOK | c.set, c.index), c.result)
            << "set " << c.set << " button " << c.index;
    }
}

TEST(MsgBoxButtons, CustomCaptionsAnswerWithTheirPosition)
{
    EXPECT_EQ(showAndClick(6, 1, "Left", "Middle", "Right"), 2);
    EXPECT_EQ(showAndClick(6, 1, "", "Only"), 2);
}

TEST(MsgBoxButtons, CustomSetWithoutCaptionsStillOffersOK)
{
    QString caption;
    whenShown([&caption](msgFrm &w) {
        caption = w.button(0)->text();
        clickButton(w, 0);
    });
    EXPECT_EQ(msg_Box("Nothing to press?", 6, "Empty", true), 1);
    EXPECT_EQ(caption, "OK");
}

TEST(MsgBoxCheckBox, TickedAddsAHundredToTheResult)
{
    whenShown([](msgFrm &w) {
        QCheckBox *box = w.checkBox();
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {},
                          box->mapTo(&w, QPoint(8, box->height() / 2)));
        clickButton(w, 0);
    });
    EXPECT_EQ(msg_Box("Again?", InfoOK, "Check", true, "Don't ask again"), 101);
    whenShown([](msgFrm &w) { clickButton(w, 1); });
    EXPECT_EQ(msg_Box("Again?", InfoOK | 1, "Check", true, "Don't ask again"), 2);
}

TEST(MsgBoxClosing, EscapeAndCloseChooseCancelElseNoElseTheLastButton)
{
    struct Case
    {
        int set;
        short result;
    } const cases[] = {{0, 1}, {1, 2}, {2, 5}, {3, 2}, {4, 7}, {5, 2}};
    for (const Case &c : cases) {
        whenShown([](msgFrm &w) { QTest::keyClick(w.windowHandle(), Qt::Key_Escape); });
        EXPECT_EQ(msg_Box("Esc", c.set, "Keys", true), c.result) << "escape, set " << c.set;
        whenShown([](msgFrm &w) { w.close(); });
        EXPECT_EQ(msg_Box("Close", c.set, "Keys", true), c.result) << "close, set " << c.set;
    }
}

int focusedButton(int flags)
{
    int focused = -1;
    whenShown([&focused](msgFrm &w) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        for (int i = 0; i < 3; ++i) {
            if (w.button(i)->hasFocus()) {
                focused = i;
            }
        }
        QTest::keyClick(w.windowHandle(), Qt::Key_Return);
    });
    msg_Box("Focus", flags, "Default", true);
    return focused;
}

TEST(MsgBoxDefaultButton, BitsChooseTheFocusedButtonAnd768KeepsThePrevious)
{
    EXPECT_EQ(focusedButton(3 | 256), 1);
    EXPECT_EQ(focusedButton(3 | 768), 1);
    EXPECT_EQ(focusedButton(3 | 512), 2);
    EXPECT_EQ(focusedButton(3 | 768), 2);
    EXPECT_EQ(focusedButton(3), 0);
}

TEST(MsgBoxDefaultButton, EnterPressesTheDefaultAndAHiddenDefaultFallsBackToTheFirst)
{
    whenShown([](msgFrm &w) { QTest::keyClick(w.windowHandle(), Qt::Key_Return); });
    EXPECT_EQ(msg_Box("Enter", 3 | 256, "Default", true), 7);
    EXPECT_EQ(focusedButton(0 | 512), 0);
}

TEST(MsgBoxDefaultButton, TabMovesToTheNextButtonAndSpacePressesIt)
{
    whenShown([](msgFrm &w) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(w.windowHandle(), Qt::Key_Tab);
        EXPECT_TRUE(w.button(2)->hasFocus());
        QTest::keyClick(w.windowHandle(), Qt::Key_Space);
    });
    EXPECT_EQ(msg_Box("Tab", 3 | 256, "Keys", true), 2) << "Cancel, not the default No";
}

TEST(MsgBoxState, BalloonColourIsKeptAndZeroMeansPaleYellow)
{
    whenShown([](msgFrm &w) { clickButton(w, 0); });
    msg_Box("Colour", InfoOK, "C", true, {}, {}, {}, {}, 0);
    EXPECT_EQ(msgFrmState().BalloonColor, drawing::rgb(255, 255, 204));
    whenShown([](msgFrm &w) { clickButton(w, 0); });
    msg_Box("Colour", InfoOK, "C", true, {}, {}, {}, {}, drawing::rgb(217, 197, 197));
    EXPECT_EQ(msgFrmState().BalloonColor, drawing::rgb(217, 197, 197));
    EXPECT_EQ(msgFrmState().ButtonResult, 1);
}

TEST(MsgBoxLayout, AMessageTallerThanTheScreenScrollsInsideIt)
{
    QString longText;
    for (int i = 0; i < 200; ++i) {
        longText += QString("Line %1 of a very long message.\n").arg(i);
    }
    int height = 0;
    int screenHeight = QGuiApplication::primaryScreen()->geometry().height();
    whenShown([&height](msgFrm &w) {
        height = w.height();
        clickButton(w, 0);
    });
    EXPECT_EQ(msg_Box(longText, InfoOK, "Long", true), 1);
    EXPECT_GT(height, 100);
    EXPECT_LE(height, screenHeight);
}

// A solid window under the whole screen gives the shadow a known colour.
class ShadowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_backdrop.setWindowFlags(Qt::FramelessWindowHint);
        QPalette pal;
        pal.setColor(QPalette::Window, Backdrop);
        m_backdrop.setPalette(pal);
        m_backdrop.setAutoFillBackground(true);
        m_backdrop.setGeometry(QGuiApplication::primaryScreen()->geometry());
        m_backdrop.show();
        QApplication::processEvents();
    }
    const QColor Backdrop{200, 120, 40};
    QWidget m_backdrop;
};

TEST_F(ShadowTest, ShadowPixelsDarkenTheBackgroundByShadePixel)
{
    for (short intensity : {short(0), short(20), short(200)}) {
        QRgb outer = 0;
        QRgb middle = 0;
        QRgb body = 0;
        QSize size;
        whenShown([&](msgFrm &w) {
            size = w.size();
            outer = w.surface().pixel(size.width() / 2, size.height() - 23);
            middle = w.surface().pixel(size.width() / 2, size.height() - 28);
            body = w.surface().pixel(4, 100);
            clickButton(w, 0);
        });
        msg_Box("Shadow", InfoOK, "S", false, {}, {}, {}, {}, 0, 300, 200, intensity);
        const short used = clampIntensity(intensity);
        EXPECT_EQ(outer, ShadePixel(Backdrop.rgb(), qRgb(0, 0, 0), 180, used)) << intensity;
        EXPECT_EQ(middle, ShadePixel(Backdrop.rgb(), qRgb(0, 0, 0), 140, used)) << intensity;
        EXPECT_EQ(body, qRgb(255, 255, 204));
    }
}

TEST_F(ShadowTest, WindowMaskHoldsThePointerTipAtTheTarget)
{
    bool tipInMask = false;
    QPoint topLeft;
    whenShown([&](msgFrm &w) {
        topLeft = w.pos();
        tipInMask = w.mask().contains(QPoint(41, 2));
        clickButton(w, 0);
    });
    msg_Box("Here", InfoOK, "Tip", false, {}, {}, {}, {}, 0, 100, 100);
    EXPECT_EQ(topLeft, QPoint(58, 100));
    EXPECT_TRUE(tipInMask);
}

TEST_F(ShadowTest, DraggingTheBackgroundMovesTheWindowAndDropsThePointer)
{
    QPoint before;
    QPoint after;
    bool tipAfter = true;
    QRgb outerAfter = 0;
    whenShown([&](msgFrm &w) {
        before = w.pos();
        QWindow *win = w.windowHandle();
        QTest::mousePress(win, Qt::LeftButton, {}, QPoint(4, 100));
        QTest::mouseMove(win, QPoint(34, 140));
        QApplication::processEvents();
        // The window has moved under the pointer: same screen point, new place.
        QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(4, 100));
        after = w.pos();
        tipAfter = w.mask().contains(QPoint(41, 2));
        outerAfter = w.surface().pixel(w.width() / 2, w.height() - 23);
        clickButton(w, 0);
    });
    msg_Box("Drag me", InfoOK, "Drag", false, {}, {}, {}, {}, 0, 100, 100);
    EXPECT_EQ(after - before, QPoint(30, 40));
    EXPECT_FALSE(tipAfter);
    EXPECT_EQ(outerAfter, ShadePixel(Backdrop.rgb(), qRgb(0, 0, 0), 180, 0));
}

} // namespace
