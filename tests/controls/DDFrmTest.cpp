#include "controls/DDFrm.h"
#include "QtPrinters.h"
#include "controls/AppStarted.h"
#include "drawing/Twips.h"

#include <QCursor>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

using controls::DDFrm;

namespace {

constexpr QPoint FrameOrigin(50, 0);
constexpr int FrameWidth = 296;
constexpr int TitleTwips = 400;
constexpr int ChildHeight = 100;
constexpr QPoint OnTitle = FrameOrigin + QPoint(100, 10);
constexpr QPoint OnChild = FrameOrigin + QPoint(100, 60);
constexpr QPoint Outside(10, 250);

// A running program's frame holding one child under its title, between two
// line edits in the Tab order, in a shown and active window with the focus
// on the first edit. The pointer moves as a person moves it: the platform
// cursor goes there and the window gets the move; keys go to the window, so
// they reach whichever widget holds the focus.
class DDFrmTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        controls::AppStarted = true;
        top.resize(400, 300);
        frame = new DDFrm(QStringLiteral("DD1"), &top);
        frame->setGeometry(FrameOrigin.x(), FrameOrigin.y(), FrameWidth, 27);
        frame->setDDBorderStyle(0);
        frame->setTitleHeight(TitleTwips);
        child = new QWidget(frame);
        child->setGeometry(0, frame->titlePixelHeight(), FrameWidth, ChildHeight);
        frame->setExpandedHeight(qRound(ChildHeight * drawing::twipsPerPixelY()) +
                                 frame->TitleHeight());
        QObject::connect(frame, &DDFrm::BeforeExpand, [this] { log.push_back("BeforeExpand"); });
        QObject::connect(frame, &DDFrm::AfterCollapse, [this] { log.push_back("AfterCollapse"); });
        before->setGeometry(10, 200, 80, 20);
        after->setGeometry(100, 200, 80, 20);
        QWidget::setTabOrder(before, frame);
        QWidget::setTabOrder(frame, after);
        movePointer(Outside);
        top.show();
        top.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&top));
        before->setFocus();
    }

    void TearDown() override { controls::AppStarted = false; }

    void movePointer(QPoint pos)
    {
        QCursor::setPos(top.mapToGlobal(pos));
        if (top.windowHandle())
            QTest::mouseMove(top.windowHandle(), pos);
    }

    void click(QPoint pos)
    {
        movePointer(pos);
        QTest::mouseClick(top.windowHandle(), Qt::LeftButton, {}, pos);
    }

    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(top.windowHandle(), key, modifiers);
    }

    int expandedPixels() const
    {
        return qRound(frame->ExpandedHeight() / drawing::twipsPerPixelY());
    }

    QWidget top;
    DDFrm *frame = nullptr;
    QWidget *child = nullptr;
    QLineEdit *before = new QLineEdit(&top);
    QLineEdit *after = new QLineEdit(&top);
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

// The frame opens under the pointer and must not stay open once it has gone.
TEST_F(DDFrmTest, PointerOnTheTitleOpensAndLeavingClosesAtTheNextTick)
{
    movePointer(OnTitle);
    EXPECT_TRUE(frame->Expanded());
    EXPECT_EQ(frame->height(), expandedPixels());
    EXPECT_EQ(log, Log{"BeforeExpand"});

    movePointer(OnChild);
    QTest::qWait(30);
    EXPECT_TRUE(frame->Expanded()) << "the child lies inside the frame";

    movePointer(Outside);
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame->Collapsed(); }, 1000));
    EXPECT_EQ(frame->height(), frame->titlePixelHeight());
    EXPECT_EQ(log, (Log{"BeforeExpand", "AfterCollapse"}));
    EXPECT_FALSE(frame->isCloseTimerActive());
    frame->Collapse();
    frame->Expand();
    frame->Expand();
    EXPECT_EQ(frame->height(), expandedPixels());
    frame->Collapse();
    frame->Collapse();
    EXPECT_EQ(log, (Log{"BeforeExpand", "AfterCollapse", "BeforeExpand", "AfterCollapse"}))
        << "a repeated Expand or Collapse raises no event";
}

// A closing timer left running over a resting pointer wakes the program every millisecond.
TEST_F(DDFrmTest, TimerRestsWhileThePointerRestsOnTheOpenFrame)
{
    movePointer(OnTitle);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame->isCloseTimerActive(); }, 1000));
    QTest::qWait(30);
    EXPECT_FALSE(frame->isCloseTimerActive());
    EXPECT_TRUE(frame->Expanded());

    movePointer(OnTitle + QPoint(5, 0));
    EXPECT_TRUE(frame->isCloseTimerActive()) << "a move starts it again";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame->isCloseTimerActive(); }, 1000));
    EXPECT_TRUE(frame->Expanded());
}

// Each opening key drops the list into its child; Escape must bring the focus back.
TEST_F(DDFrmTest, EveryOpeningKeyDropsDownIntoTheChildAndEscapeComesBack)
{
    type(Qt::Key_Tab);
    ASSERT_TRUE(frame->hasFocus());
    EXPECT_TRUE(frame->Collapsed()) << "tabbing onto the title opens nothing";
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Down, Qt::Key_F4}) {
        frame->setFocus();
        type(key);
        ASSERT_TRUE(frame->Expanded()) << key;
        EXPECT_TRUE(child->hasFocus()) << key;
        type(Qt::Key_Escape);
        EXPECT_TRUE(frame->Collapsed()) << key;
        EXPECT_TRUE(frame->hasFocus()) << "the focus comes back to the title";
    }
    type(Qt::Key_A);
    EXPECT_TRUE(frame->Collapsed());
}

// A frame opened by key must not close for a pointer that never came over it.
TEST_F(DDFrmTest, AFrameOpenedByKeyStaysOpenUntilTheFocusLeavesIt)
{
    frame->setFocus();
    type(Qt::Key_Space);
    QTest::qWait(30);
    EXPECT_TRUE(frame->Expanded()) << "the pointer lies outside, but was never over the frame";
    ASSERT_TRUE(child->hasFocus());
    type(Qt::Key_Tab);
    EXPECT_TRUE(frame->Collapsed());
    EXPECT_TRUE(after->hasFocus()) << "Tab goes on from the title";

    frame->setFocus();
    type(Qt::Key_Space);
    type(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(frame->Collapsed());
    EXPECT_TRUE(before->hasFocus()) << "Shift+Tab goes back from the title";
}

// Closing must not strand the focus in the hidden child.
TEST_F(DDFrmTest, AFrameOpenedByKeyClosesOnAClickOutsideOrBehindThePointer)
{
    frame->setFocus();
    type(Qt::Key_Space);
    QTest::mouseClick(top.windowHandle(), Qt::LeftButton, {}, OnChild);
    EXPECT_TRUE(frame->Expanded()) << "a click inside keeps it open";
    QTest::mouseClick(top.windowHandle(), Qt::LeftButton, {}, Outside);
    EXPECT_TRUE(frame->Collapsed());

    type(Qt::Key_Space);
    movePointer(OnChild);
    movePointer(Outside);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->Collapsed(); }, 1000));
    EXPECT_TRUE(frame->hasFocus()) << "the focus leaves the hidden child for the title";
}

// A title click toggles only with OpenOn 2 and leaves the focus where it
// was; leaving closes whatever opened the frame, except with OpenOn 3, which
// never starts the closing timer.
TEST_F(DDFrmTest, OpenOnDecidesWhatMovingClickingAndLeavingDo)
{
    // clang-format off
    const struct { int openOn; bool openByMove, openByClick, closeByClick, closeByLeaving; } cases[] = {
        {0, false, false, false, true}, {1, true, true, false, true},
        {2, false, true, true, true}, {3, false, false, false, false}};
    // clang-format on
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "OpenOn " << c.openOn);
        frame->setOpenOn(c.openOn);
        movePointer(OnTitle);
        EXPECT_EQ(frame->Expanded(), c.openByMove);
        click(OnTitle);
        EXPECT_EQ(frame->Expanded(), c.openByClick);
        EXPECT_TRUE(before->hasFocus());
        frame->Expand();
        click(OnChild);
        click(OnTitle + QPoint(FrameWidth - 110, 0)); // on the arrow
        EXPECT_EQ(frame->Collapsed(), c.closeByClick);
        frame->Expand();
        movePointer(Outside);
        const bool collapsed = QTest::qWaitFor([&] { return frame->Collapsed(); }, 200);
        EXPECT_EQ(collapsed, c.closeByLeaving);
        EXPECT_FALSE(frame->isCloseTimerActive());
        frame->Collapse();
    }
}

// Smoke only: the game's frame has no border; one drawn must add to the
// collapsed height and inset the contents.
TEST(DDFrmBorder, CollapsedHeightAddsTheFrameBorder)
{
    // clang-format off
    const struct { int borderStyle, appearance, borderPixels; } cases[] = {{0, 0, 0}, {0, 1, 0}, {1, 0, 2}, {1, 1, 4}};
    // clang-format on
    for (const auto &c : cases) {
        DDFrm frame(QStringLiteral("DD1"));
        frame.setTitleHeight(300);
        frame.setDDBorderStyle(c.borderStyle);
        frame.setDDAppearance(c.appearance);
        EXPECT_EQ(frame.CollapsedHeight(), 300 + qRound(c.borderPixels * drawing::twipsPerPixelY()))
            << c.borderStyle << "/" << c.appearance;
        EXPECT_EQ(frame.contentsRect().left(), c.borderPixels / 2);
    }
}

} // namespace
