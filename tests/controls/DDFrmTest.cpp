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

// The frame opens under the pointer (OpenOn 1, the game's), stays open for
// clicks on its title, and must not stay open once the pointer has gone. A
// closing timer left running over a resting pointer wakes the program every
// millisecond.
TEST_F(DDFrmTest, PointerOnTheTitleOpensAndLeavingClosesAtTheNextTick)
{
    const auto timerRests = [this] {
        return QTest::qWaitFor([this] { return !frame->isCloseTimerActive(); }, 1000);
    };
    movePointer(OnTitle);
    EXPECT_TRUE(frame->Expanded());
    EXPECT_EQ(frame->height(), expandedPixels());
    EXPECT_EQ(log, Log{"BeforeExpand"});
    EXPECT_TRUE(timerRests());
    click(OnTitle + QPoint(FrameWidth - 110, 0)); // on the arrow
    EXPECT_TRUE(frame->isCloseTimerActive()) << "a move starts it again";
    click(OnTitle);
    EXPECT_TRUE(before->hasFocus()) << "a title click leaves the focus where it was";
    EXPECT_TRUE(timerRests());
    EXPECT_TRUE(frame->Expanded());

    movePointer(OnChild);
    QTest::qWait(30);
    EXPECT_TRUE(frame->Expanded()) << "the child lies inside the frame";
    movePointer(Outside);
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame->Collapsed(); }, 1000));
    EXPECT_EQ(frame->height(), frame->titlePixelHeight());
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

// A frame opened by key must not close for a pointer that never came over it,
// and closing must not strand the focus in the hidden child.
TEST_F(DDFrmTest, AFrameOpenedByKeyClosesWhenTheFocusOrThePointerLeavesIt)
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

// Smoke only: what the game's frame never does, each row from a closed frame
// with the pointer outside.
TEST_F(DDFrmTest, FeaturesTheGameDoesNotUse)
{
    const auto toggles = [this] {
        movePointer(OnTitle);
        const bool closedByMove = frame->Collapsed();
        click(OnTitle);
        const bool opened = frame->Expanded();
        click(OnTitle);
        return closedByMove && opened && frame->Collapsed();
    };
    const auto stays = [this] {
        frame->Expand();
        movePointer(OnTitle);
        movePointer(Outside);
        return !QTest::qWaitFor([this] { return frame->Collapsed(); }, 200) &&
               !frame->isCloseTimerActive();
    };
    DDFrm framed(QStringLiteral("DD1"));
    framed.setDDAppearance(1);
    const int border = qRound(4 * drawing::twipsPerPixelY());
    // clang-format off
    const std::pair<const char *, std::function<bool()>> cases[] = {
        {"OpenOn 0 opens on neither move nor click",
         [&] { frame->setOpenOn(0); movePointer(OnTitle); click(OnTitle); return frame->Collapsed(); }},
        {"OpenOn 2 opens and closes on title clicks", [&] { frame->setOpenOn(2); return toggles(); }},
        {"OpenOn 3 never closes by leaving", [&] { frame->setOpenOn(3); return stays(); }},
        {"a drawn border adds to the collapsed height",
         [&] { return framed.CollapsedHeight() == framed.TitleHeight() + border && framed.contentsRect().left() == 2; }},
    };
    // clang-format on
    for (const auto &[name, works] : cases) {
        frame->setOpenOn(1);
        frame->Collapse();
        movePointer(Outside);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !frame->isCloseTimerActive(); }, 1000));
        EXPECT_TRUE(works()) << name;
    }
}

} // namespace
