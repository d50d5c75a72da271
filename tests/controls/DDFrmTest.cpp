#include "controls/DDFrm.h"
#include "QtPrinters.h"
#include "controls/AppStarted.h"
#include "drawing/ControlError.h"
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

int twips(int pixels)
{
    return qRound(pixels * drawing::twipsPerPixelY());
}

int pixels(int twipsValue)
{
    return qRound(twipsValue / drawing::twipsPerPixelY());
}

// A running program's frame holding one child under its title, in a shown
// window. The pointer moves as a person moves it: the platform cursor goes
// there and the window gets the move.
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
        frame->setExpandedHeight(twips(ChildHeight) + frame->TitleHeight());
        QObject::connect(frame, &DDFrm::BeforeExpand, [this] { log.push_back("BeforeExpand"); });
        QObject::connect(frame, &DDFrm::AfterCollapse, [this] { log.push_back("AfterCollapse"); });
        movePointer(Outside);
        top.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
    }

    void TearDown() override { controls::AppStarted = false; }

    void movePointer(QPoint pos)
    {
        QCursor::setPos(top.mapToGlobal(pos));
        if (top.windowHandle()) {
            QTest::mouseMove(top.windowHandle(), pos);
        }
    }

    void click(QPoint pos)
    {
        movePointer(pos);
        QTest::mouseClick(top.windowHandle(), Qt::LeftButton, {}, pos);
    }

    int expandedPixels() const { return pixels(frame->ExpandedHeight()); }

    QWidget top;
    DDFrm *frame = nullptr;
    QWidget *child = nullptr;
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

// A repeated Expand or Collapse must not raise its event again.
TEST_F(DDFrmTest, ExpandingTheOpenOrCollapsingTheClosedFrameDoesNothing)
{
    frame->Collapse();
    EXPECT_TRUE(log.empty());
    frame->Expand();
    frame->Expand();
    EXPECT_EQ(frame->height(), expandedPixels());
    frame->Collapse();
    frame->Collapse();
    EXPECT_EQ(log, (Log{"BeforeExpand", "AfterCollapse"}));
}

// The keyboard, with keys sent to the window as a person types them, so they
// reach whichever widget holds the focus.
class DDFrmKeyboardTest : public DDFrmTest
{
protected:
    void SetUp() override
    {
        DDFrmTest::SetUp();
        before = new QLineEdit(&top);
        before->setGeometry(10, 200, 80, 20);
        after = new QLineEdit(&top);
        after->setGeometry(100, 200, 80, 20);
        before->show();
        after->show();
        QWidget::setTabOrder(before, frame);
        QWidget::setTabOrder(frame, after);
        top.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&top));
        before->setFocus();
    }

    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(top.windowHandle(), key, modifiers);
    }

    QLineEdit *before = nullptr;
    QLineEdit *after = nullptr;
};

// Each opening key drops the list into its child; Escape must bring the focus back.
TEST_F(DDFrmKeyboardTest, EveryOpeningKeyDropsDownIntoTheChildAndEscapeComesBack)
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
TEST_F(DDFrmKeyboardTest, AFrameOpenedByKeyStaysOpenUntilTheFocusLeavesIt)
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
TEST_F(DDFrmKeyboardTest, AFrameOpenedByKeyClosesOnAClickOutsideOrBehindThePointer)
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
TEST_F(DDFrmKeyboardTest, OpenOnDecidesWhatMovingClickingAndLeavingDo)
{
    const struct
    {
        int openOn;
        bool openByMove;
        bool openByClick;
        bool closeByClick;
        bool closeByLeaving;
    } cases[] = {{0, false, false, false, true},
                 {1, true, true, false, true},
                 {2, false, true, true, true},
                 {3, false, false, false, false}};
    for (const auto &c : cases) {
        frame->setOpenOn(c.openOn);
        movePointer(OnTitle);
        EXPECT_EQ(frame->Expanded(), c.openByMove) << "OpenOn " << c.openOn;
        click(OnTitle);
        EXPECT_EQ(frame->Expanded(), c.openByClick) << "OpenOn " << c.openOn;
        EXPECT_TRUE(before->hasFocus()) << "OpenOn " << c.openOn;
        frame->Expand();
        click(OnChild);
        click(OnTitle + QPoint(FrameWidth - 110, 0)); // on the arrow
        EXPECT_EQ(frame->Collapsed(), c.closeByClick) << "OpenOn " << c.openOn;
        frame->Expand();
        movePointer(Outside);
        if (c.closeByLeaving) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return frame->Collapsed(); }, 1000))
                << "OpenOn " << c.openOn;
        } else {
            QTest::qWait(30);
            EXPECT_TRUE(frame->Expanded()) << "OpenOn " << c.openOn;
        }
        EXPECT_FALSE(frame->isCloseTimerActive()) << "OpenOn " << c.openOn;
        frame->Collapse();
    }
}

// In a designer the frame must stay open at the height it is given.
TEST(DDFrmDesigner, NeverCollapsesAndKeepsTheHeightItIsGiven)
{
    controls::AppStarted = false;
    QWidget top;
    DDFrm frame(QStringLiteral("DDFrm1"), &top);
    top.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
    EXPECT_EQ(frame.Title(), QStringLiteral("DDFrm1")) << "a new frame is titled with its name";
    EXPECT_EQ(std::tuple(frame.OpenOn(), frame.UseIcon(), frame.TitleGradient(), frame.HoverTime(),
                         frame.TitleAlign()),
              std::tuple(1, 0, 0, -1, 0))
        << "a new frame opens on the pointer, without arrow, left aligned";
    frame.resize(200, 90);
    EXPECT_TRUE(frame.Expanded());
    EXPECT_EQ(frame.ExpandedHeight(), twips(90));
    frame.Collapse();
    EXPECT_EQ(frame.height(), 90);
    EXPECT_TRUE(frame.Expanded());
}

// The blank goes on the aligned side; a refused value must leave the title as it was.
TEST(DDFrmTitle, AlignmentPadsTheTitleOnItsSideAndARefusalChangesNothing)
{
    DDFrm frame(QStringLiteral("DD1"));
    frame.setTitle(QStringLiteral("Select a Puzzle"));
    const struct
    {
        int align;
        const char *shown;
    } cases[] = {{0, " Select a Puzzle"}, {1, "Select a Puzzle "}, {2, "Select a Puzzle"}};
    for (const auto &c : cases) {
        frame.setTitleAlign(c.align);
        EXPECT_EQ(frame.displayedTitle(), QString::fromLatin1(c.shown));
        EXPECT_EQ(frame.Title(), QStringLiteral("Select a Puzzle"));
    }
    EXPECT_THROW(frame.setTitleAlign(3), drawing::ControlError);
    EXPECT_EQ(frame.TitleAlign(), 2) << "a refused alignment changes nothing";
    EXPECT_EQ(frame.displayedTitle(), QStringLiteral("Select a Puzzle"));
}

// The collapsed height must include the border that the frame draws.
TEST(DDFrmTitle, CollapsedHeightAddsTheFrameBorder)
{
    const struct
    {
        int borderStyle;
        int appearance;
        int borderPixels;
    } cases[] = {{0, 0, 0}, {0, 1, 0}, {1, 0, 2}, {1, 1, 4}};
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
