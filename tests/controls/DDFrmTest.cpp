#include "controls/DDFrm.h"
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
constexpr drawing::OleColor TitleBack = 0x404080;
constexpr QRgb Title1 = qRgb(128, 64, 64);
// TitleBack lightened by 60 percent.
constexpr QRgb Title2 = qRgb(204, 179, 179);
constexpr QRgb White = qRgb(255, 255, 255);

// The largest channel difference, so a failure shows how far off a colour is.
int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// A running program's frame, its title empty in the game's title colour, one
// child under the title, between two line edits in the Tab order, in a shown
// active window with the focus on the first edit. The pointer moves as a
// person moves it (the platform cursor, then the window's move); keys go to
// the window, so they reach whichever widget holds the focus.
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
        frame->setTitle(QString());
        frame->setTitleBackColor(TitleBack);
        child = new QWidget(frame);
        child->setGeometry(0, frame->titlePixelHeight(), FrameWidth, ChildHeight);
        frame->setExpandedHeight(qRound(ChildHeight * drawing::twipsPerPixelY()) +
                                 frame->TitleHeight());
        QObject::connect(
            frame, &DDFrm::BeforeExpand, [this] { log.push_back("BeforeExpand"); });
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

    // The open frame as the window shows it.
    QImage painted()
    {
        frame->Expand();
        frame->DrawTitle();
        return frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
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

// The frame opens under the pointer (OpenOn 1, the game's), stays open for title
// clicks and must close once the pointer has gone; a closing timer left running
// over a resting pointer wakes the program every millisecond.
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
    frame->Collapse();
    frame->Collapse();
    EXPECT_EQ(log, (Log{"BeforeExpand", "AfterCollapse", "BeforeExpand", "AfterCollapse"}))
        << "a repeated Expand or Collapse raises no event";
}

// Each opening key drops the list into its child and keeps it open for a
// pointer that never came over the frame; each way out must close it without
// stranding the focus in the hidden child.
TEST_F(DDFrmTest, KeysOpenIntoTheChildAndEachWayOutClosesWithoutStrandingTheFocus)
{
    type(Qt::Key_Tab);
    ASSERT_TRUE(frame->hasFocus());
    type(Qt::Key_A);
    EXPECT_TRUE(frame->Collapsed()) << "tabbing onto the title or typing opens nothing";
    const auto clickInPlace = [this](QPoint pos) {
        QTest::mouseClick(top.windowHandle(), Qt::LeftButton, {}, pos);
    };
    // clang-format off
    const struct { Qt::Key opening; const char *wayOut; std::function<void()> leave; QWidget *focus; } cases[] = {
        {Qt::Key_Space, "Escape", [&] { type(Qt::Key_Escape); }, frame},
        {Qt::Key_Return, "Tab", [&] { type(Qt::Key_Tab); }, after},
        {Qt::Key_Down, "Shift+Tab", [&] { type(Qt::Key_Tab, Qt::ShiftModifier); }, before},
        {Qt::Key_Space, "the pointer over it and away", [&] { movePointer(OnChild); movePointer(Outside); }, frame},
        {Qt::Key_F4, "a click outside, after one inside", [&] {
             clickInPlace(OnChild); EXPECT_TRUE(frame->Expanded()); clickInPlace(Outside); }, frame},
    };
    // clang-format on
    for (const auto &c : cases) {
        frame->setFocus();
        type(c.opening);
        QTest::qWait(30);
        ASSERT_TRUE(frame->Expanded()) << c.wayOut;
        EXPECT_TRUE(child->hasFocus()) << c.wayOut;
        c.leave();
        EXPECT_TRUE(QTest::qWaitFor([&] { return frame->Collapsed(); }, 1000)) << c.wayOut;
        EXPECT_TRUE(c.focus->hasFocus()) << c.wayOut;
    }
}

// The title runs from its colour to the lightened one, across unless
// TitleGradient is 2 (the game's); a designer shows the flat colour.
TEST_F(DDFrmTest, TitleGradientRunsInTheChosenDirection)
{
    // clang-format off
    const struct { bool started; int gradient; QPoint start, end; QRgb endColour; } cases[] = {
        {true, 0, {0, 10}, {FrameWidth - 1, 10}, Title2}, {true, 2, {100, 0}, {100, 26}, Title2},
        {false, 2, {0, 0}, {FrameWidth - 1, 26}, Title1}};
    // clang-format on
    for (const auto &c : cases) {
        controls::AppStarted = c.started;
        frame->setTitleGradient(c.gradient);
        const QImage image = painted();
        EXPECT_LE(distance(image.pixel(c.start), Title1), 4) << c.gradient;
        EXPECT_LE(distance(image.pixel(c.end), c.endColour), 6) << c.gradient;
    }
}

// The arrow's green must stay transparent, and UseIcon 0 must hide it;
// TitleBorder 1 outlines the title only, above a body in DDBackColor.
TEST_F(DDFrmTest, ArrowAndBorderOfTheTitle)
{
    const int left = FrameWidth - 18;
    const int titleBottom = frame->titlePixelHeight() - 1;
    frame->setUseIcon(1);
    frame->setTitleBorderColor(0x40);
    frame->setTitleBorder(1);
    frame->setDDBackColor(drawing::rgb(10, 200, 30));
    QImage image = painted();
    EXPECT_EQ(image.pixel(left + 9, 8), White) << "the arrow's face";
    for (int y = 1; y < 18; ++y) {
        for (int x = left; x < FrameWidth - 1; ++x)
            ASSERT_NE(image.pixel(x, y), qRgb(0, 255, 0))
                << "green is transparent at " << x << "," << y;
    }
    EXPECT_EQ(image.pixel(FrameWidth / 2, 0), qRgb(64, 0, 0)) << "the title's border";
    EXPECT_EQ(image.pixel(FrameWidth - 1, titleBottom), qRgb(64, 0, 0));
    EXPECT_EQ(image.pixel(FrameWidth / 2, 60), qRgb(10, 200, 30)) << "the body's colour";

    frame->setUseIcon(0);
    frame->setTitleBorder(0);
    image = painted();
    EXPECT_NE(image.pixel(left + 9, 8), White) << "no arrow";
    EXPECT_EQ(image.pixel(0, 0), Title1) << "no border";
}

// The painted text must sit where TitleAlign puts it (the game's 2 centres
// it), not where the label defaults: the span of its white pixels.
TEST_F(DDFrmTest, TitleTextFollowsItsAlignment)
{
    frame->setTitle(QStringLiteral("Puzzle"));
    frame->setTitleForeColor(0xFFFFFF);
    frame->setTitleFontsize(12);
    // clang-format off
    // Where the sum of the text's first and last column may lie.
    const struct { int align, low, high; } cases[] = {
        {0, 1, FrameWidth / 2}, {1, 3 * FrameWidth / 2, 2 * FrameWidth}, {2, FrameWidth - 6, FrameWidth + 6}};
    // clang-format on
    for (const auto &c : cases) {
        frame->setTitleAlign(c.align);
        const QImage image = painted();
        int first = FrameWidth;
        int last = -1;
        for (int y = 0; y < frame->titlePixelHeight(); ++y) {
            for (int x = 0; x < FrameWidth; ++x) {
                if (distance(image.pixel(x, y), White) <= 60) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        EXPECT_GE(first + last, c.low) << c.align;
        EXPECT_LE(first + last, c.high) << c.align;
    }
}

// Smoke only: what the game's frame never does, each row from a closed frame
// with the pointer outside.
TEST_F(DDFrmTest, FeaturesTheGameDoesNotUse)
{
    DDFrm framed(QStringLiteral("DD1"));
    framed.setDDAppearance(1);
    const int border = qRound(4 * drawing::twipsPerPixelY());
    // clang-format off
    const std::pair<const char *, std::function<bool()>> cases[] = {
        {"OpenOn 0 opens on neither move nor click", [&] { frame->setOpenOn(0); movePointer(OnTitle); click(OnTitle); return frame->Collapsed(); }},
        {"OpenOn 2 opens and closes on title clicks", [&] {
             frame->setOpenOn(2); movePointer(OnTitle); const bool closedByMove = frame->Collapsed(); click(OnTitle);
             const bool opened = frame->Expanded(); click(OnTitle); return closedByMove && opened && frame->Collapsed(); }},
        {"OpenOn 3 never closes by leaving", [&] {
             frame->setOpenOn(3); frame->Expand(); movePointer(OnTitle); movePointer(Outside);
             return !QTest::qWaitFor([&] { return frame->Collapsed(); }, 200) && !frame->isCloseTimerActive(); }},
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
