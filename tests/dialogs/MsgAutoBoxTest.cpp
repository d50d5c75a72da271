#include "dialogs/MsgAutoBox.h"
#include "ModalDriver.h"

#include <QLineEdit>
#include <QPointer>
#include <gtest/gtest.h>

using namespace dialogs;
using namespace dialogs_test;

namespace {

constexpr int InfoIcon = 64;

// The window that the last call opened; it is the newest balloon.
QPointer<MsgAutoFrm> newest()
{
    return qobject_cast<MsgAutoFrm *>(msgFrm::current());
}

// The solved notice as the game opens it, about an area of the screen.
QPointer<MsgAutoFrm> openNotice(short nTime)
{
    MsgAutoNotice("Solved!", InfoIcon, "Well done", nTime, QRect(50, 50, 200, 100));
    return newest();
}

bool isGone(const QPointer<MsgAutoFrm> &window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
}

// Taking the keyboard would stop play; a notice whose time is up must go.
TEST(MsgAutoBox, TheNoticeStaysOnTopWithoutTakingTheKeyboardUntilItsTimeIsUp)
{
    QLineEdit typing;
    typing.show();
    typing.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&typing));
    QPointer<MsgAutoFrm> window = openNotice(1);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QApplication::processEvents(); // where an activation would arrive
    EXPECT_EQ(QApplication::focusWidget(), &typing);
    EXPECT_TRUE(QTest::qWaitFor([&] { return isGone(window); }, 3000));
}

// A drag must not move the notice, nor a press sliding off the close image end it.
TEST(MsgAutoBox, TheNoticeOnlyClosesOnAClickOnItsCloseImage)
{
    QPointer<MsgAutoFrm> window = openNotice(30);
    ASSERT_TRUE(window);
    QWindow *win = window->windowHandle();
    const QPoint before = window->pos();
    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(4, 100));
    QTest::mouseMove(win, QPoint(44, 140));
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(44, 140));
    EXPECT_EQ(window->pos(), before);
    const QPoint on = window->command1()->mapTo(window.data(), QPoint(8, 8));
    QTest::mousePress(win, Qt::LeftButton, {}, on);
    QTest::mouseRelease(win, Qt::LeftButton, {}, on - QPoint(68, -22));
    ASSERT_FALSE(isGone(window));
    QTest::mousePress(win, Qt::LeftButton, {}, on);
    QTest::mouseRelease(win, Qt::LeftButton, {}, on);
    EXPECT_TRUE(isGone(window));
}

// Smoke only, as the notice is its one caller: nTime 33 overflowed 16-bit ms.
TEST(MsgAutoBox, TheTimedBoxReturnsAtOnceAndTimesNTimeSecondsWithoutOverflow)
{
    // Each nTime with the timer's interval in ms, 0 for no timer.
    const std::pair<short, int> rows[] = {{1, 1000}, {33, 33000}, {0, 0}, {-4, 0}};
    for (const auto &[nTime, ms] : rows) {
        EXPECT_EQ(MsgAuto_box("Saved.", InfoIcon, "Note", nTime, true), 0);
        QPointer<MsgAutoFrm> window = newest();
        ASSERT_TRUE(window);
        EXPECT_EQ(window->Timer1().isActive() ? window->Timer1().interval() : 0, ms) << nTime;
        window->close();
    }
}

} // namespace
