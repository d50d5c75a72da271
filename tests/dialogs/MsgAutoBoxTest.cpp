#include "dialogs/MsgAutoBox.h"
#include "ModalDriver.h"
#include "dialogs/IconStrip.h"

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

QPointer<MsgAutoFrm> openTimed(short nTime)
{
    EXPECT_EQ(MsgAuto_box("Saved.", InfoIcon, "Note", nTime, true), 0);
    return newest();
}

bool isGone(const QPointer<MsgAutoFrm> &window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
}

// The solved notice appears during play: taking the keyboard would stop it.
TEST(MsgAutoBox, TheNoticeStaysOnTopWithoutBlockingOrTakingTheKeyboard)
{
    QLineEdit typing;
    typing.show();
    typing.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&typing));
    MsgAutoNotice("Solved!", InfoIcon, "Well done", 5, QRect(50, 50, 200, 100));
    QPointer<MsgAutoFrm> window = newest();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QApplication::processEvents(); // where an activation would arrive
    EXPECT_EQ(QApplication::focusWidget(), &typing);
    window->close();
    EXPECT_TRUE(isGone(window));
}

// nTime 33 overflowed the 16-bit milliseconds; 0 or less must never close.
TEST(MsgAutoBox, TheTimerRunsNTimeSecondsWithoutOverflowAndZeroNeverCloses)
{
    const struct
    {
        short nTime;
        int ms; // 0: no timer
    } rows[] = {{1, 1000}, {33, 33000}, {0, 0}, {-4, 0}};
    for (const auto &row : rows) {
        QPointer<MsgAutoFrm> window = openTimed(row.nTime);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->Timer1().isActive() ? window->Timer1().interval() : 0, row.ms)
            << row.nTime;
        window->close();
    }
}

// A message whose time is up must close and free its window.
TEST(MsgAutoBox, ClosesAndGoesAwayWhenItsTimeIsUp)
{
    QPointer<MsgAutoFrm> window = openTimed(1);
    ASSERT_TRUE(window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return isGone(window); }, 3000));
}

// Without a time only the close image ends the message; a press that slides
// off it must not.
TEST(MsgAutoBox, AClickOnTheCloseImageClosesItButAReleaseBesideItDoesNot)
{
    QPointer<MsgAutoFrm> window = openTimed(0);
    ASSERT_TRUE(window);
    QWindow *win = window->windowHandle();
    const QPoint on = window->command1()->mapTo(window.data(), QPoint(8, 8));
    QTest::mousePress(win, Qt::LeftButton, {}, on);
    QTest::mouseRelease(win, Qt::LeftButton, {}, on - QPoint(68, -22));
    ASSERT_FALSE(isGone(window));
    QTest::mousePress(win, Qt::LeftButton, {}, on);
    QTest::mouseRelease(win, Qt::LeftButton, {}, on);
    EXPECT_TRUE(isGone(window));
}

// The timed message only closes: a press on it must not start a drag.
TEST(MsgAutoBox, CannotBeDraggedAndShowsTheIconOfItsFlags)
{
    QPointer<MsgAutoFrm> window = openTimed(0);
    ASSERT_TRUE(window);
    const QPoint before = window->pos();
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, QPoint(4, 100));
    QTest::mouseMove(window->windowHandle(), QPoint(44, 140));
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, QPoint(44, 140));
    EXPECT_EQ(window->pos(), before);
    EXPECT_EQ(window->aPic()->pixmap().toImage(),
              DrawStripIcon(3, StripCellSize, QColor(255, 255, 204)).toImage()); // information
    window->close();
}

} // namespace
