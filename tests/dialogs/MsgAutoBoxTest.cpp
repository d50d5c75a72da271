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

// The solved notice appears during play: taking the keyboard would stop it;
// once its time is up it must close and free its window.
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

// Before its time only the close image ends the notice: a drag on it must
// not move it, nor a press that slides off the image close it.
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

// Only the notice calls the timed box: a smoke table. nTime 33 overflowed
// the 16-bit milliseconds; 0 or less must never close.
TEST(MsgAutoBox, TheTimedBoxReturnsAtOnceAndTimesNTimeSecondsWithoutOverflow)
{
    const struct
    {
        short nTime;
        int ms; // 0: no timer
    } rows[] = {{1, 1000}, {33, 33000}, {0, 0}, {-4, 0}};
    for (const auto &row : rows) {
        EXPECT_EQ(MsgAuto_box("Saved.", InfoIcon, "Note", row.nTime, true), 0);
        QPointer<MsgAutoFrm> window = newest();
        ASSERT_TRUE(window);
        EXPECT_EQ(window->Timer1().isActive() ? window->Timer1().interval() : 0, row.ms)
            << row.nTime;
        window->close();
    }
}

} // namespace
