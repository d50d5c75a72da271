#include "dialogs/MsgAutoBox.h"
#include "DialogDriver.h"
#include "ModalDriver.h"
#include "dialogs/IconStrip.h"

#include <QPointer>
#include <gtest/gtest.h>

using namespace dialogs;
using namespace dialogs_test;

namespace {

constexpr int InfoIcon = 64;

// Opens one timed message and hands back its window.
QPointer<MsgAutoFrm> openTimed(short nTime, bool NoPointer = true)
{
    const std::vector<MsgAutoFrm *> before = openWindows<MsgAutoFrm>();
    EXPECT_EQ(MsgAuto_box("Saved.", InfoIcon, "Note", nTime, NoPointer), 0);
    for (MsgAutoFrm *window : openWindows<MsgAutoFrm>()) {
        if (std::find(before.begin(), before.end(), window) == before.end()) {
            return window;
        }
    }
    ADD_FAILURE() << "no timed message opened";
    return nullptr;
}

bool isGone(const QPointer<MsgAutoFrm> &window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
}

void closeAll()
{
    for (MsgAutoFrm *window : openWindows<MsgAutoFrm>()) {
        window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QImage faceOf(const MsgAutoFrm &window)
{
    return window.command1()->pixmap().toImage();
}

QImage face(int cell)
{
    return DrawStripIcon(cell, StripCellSize, QColor(255, 255, 204)).toImage();
}

TEST(MsgAutoBox, ReturnsAtOnceWithTheMessageOpenOnTopAndNotBlocking)
{
    QPointer<MsgAutoFrm> window = openTimed(5);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    closeAll();
    EXPECT_TRUE(isGone(window));
}

TEST(MsgAutoBox, TheTimerRunsNTimeSecondsWithoutOverflowAndZeroNeverCloses)
{
    struct Case
    {
        short nTime;
        bool runs;
        int ms;
    } const cases[] = {{1, true, 1000},       {32, true, 32000}, {33, true, 33000},
                       {3600, true, 3600000}, {0, false, 0},     {-4, false, 0}};
    for (const Case &c : cases) {
        QPointer<MsgAutoFrm> window = openTimed(c.nTime);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->Timer1().isActive(), c.runs) << c.nTime;
        if (c.runs) {
            EXPECT_EQ(window->Timer1().interval(), c.ms) << c.nTime;
            EXPECT_TRUE(window->Timer1().isSingleShot());
        }
        closeAll();
    }
}

TEST(MsgAutoBox, ClosesItselfWhenItsTimeIsUp)
{
    QPointer<MsgAutoFrm> window = openTimed(1);
    ASSERT_TRUE(window);
    QTest::qWait(700);
    EXPECT_FALSE(isGone(window));
    EXPECT_TRUE(QTest::qWaitFor([&] { return isGone(window); }, 3000));
}

TEST(MsgAutoBox, CloseImageShowsHoverAndPressedFacesAndAClickCloses)
{
    QPointer<MsgAutoFrm> window = openTimed(0);
    ASSERT_TRUE(window);
    MsgAutoFrm &w = *window;
    CloseImage *image = w.command1();
    EXPECT_EQ(faceOf(w), face(CloseNormalCell));

    moveOver(&w, image, QPoint(8, 8));
    EXPECT_EQ(faceOf(w), face(CloseHoverCell));
    EXPECT_EQ(image->tag(), "1");

    moveOver(&w, image, QPoint(-40, 30)); // on the frame beside the image
    EXPECT_EQ(faceOf(w), face(CloseNormalCell));
    EXPECT_EQ(image->tag(), "");

    moveOver(&w, image, QPoint(8, 8));
    QTest::mousePress(w.windowHandle(), Qt::LeftButton, {}, image->mapTo(&w, QPoint(8, 8)));
    EXPECT_EQ(faceOf(w), face(ClosePressedCell));
    EXPECT_FALSE(isGone(window));
    QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, {}, image->mapTo(&w, QPoint(8, 8)));
    EXPECT_TRUE(isGone(window));
}

TEST(MsgAutoBox, ReleasingOutsideTheCloseImageKeepsTheMessage)
{
    QPointer<MsgAutoFrm> window = openTimed(0);
    ASSERT_TRUE(window);
    MsgAutoFrm &w = *window;
    CloseImage *image = w.command1();
    QTest::mousePress(w.windowHandle(), Qt::LeftButton, {}, image->mapTo(&w, QPoint(8, 8)));
    QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, {}, image->mapTo(&w, QPoint(-60, 30)));
    EXPECT_FALSE(isGone(window));
    closeAll();
}

TEST(MsgAutoBox, CannotBeDraggedAndItsIconFollowsTheFlags)
{
    QPointer<MsgAutoFrm> window = openTimed(0);
    ASSERT_TRUE(window);
    MsgAutoFrm &w = *window;
    const QPoint before = w.pos();
    QTest::mousePress(w.windowHandle(), Qt::LeftButton, {}, QPoint(4, 100));
    QTest::mouseMove(w.windowHandle(), QPoint(44, 140));
    QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, {}, QPoint(44, 140));
    EXPECT_EQ(w.pos(), before);
    EXPECT_TRUE(w.aPic()->isVisible());
    EXPECT_EQ(w.aPic()->pixmap().toImage(), face(3)); // information
    closeAll();
}

} // namespace
