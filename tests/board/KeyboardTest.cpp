// The main window without a mouse: keys go to the window as a person types
// them, so the focus decides which control takes them.
#include "BoardWindow.h"

#include "controls/CandyButton.h"
#include "controls/DDFrm.h"

#include <QApplication>

namespace board_test {
namespace {

class KeyboardTest : public BoardWindowTest
{
protected:
    KeyboardTest()
    {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(handle(), key, modifiers);
    }

    static QWidget *focused() { return QApplication::focusWidget(); }
};

TEST_F(KeyboardTest, TabVisitsEveryControlInReadingOrderAndTheFocusShows)
{
    ASSERT_EQ(focused(), window->DD1()) << "choosing a puzzle comes first";
    // SOLUTION is skipped: it is disabled until a puzzle is chosen.
    const std::vector<QWidget *> tour = {
        window->CandyButton1(3), window->CandyButton1(2), window->CB1(2),          window->CB1(0),
        window->lbWeb(),         window->CandyButton1(0), window->CandyButton1(1), window->DD1()};
    for (QWidget *expected : tour) {
        QWidget *from = focused();
        const QImage withFocus = from->grab().toImage();
        type(Qt::Key_Tab);
        ASSERT_EQ(focused(), expected) << from->objectName().toStdString();
        EXPECT_NE(from->grab().toImage(), withFocus)
            << from->objectName().toStdString() << " looks the same without the focus";
    }
    type(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), window->CandyButton1(1));
}

TEST_F(KeyboardTest, TheListOpensFromItsTitleAndEnterChoosesAPuzzle)
{
    type(Qt::Key_Space);
    ASSERT_TRUE(window->DD1()->Expanded());
    ASSERT_EQ(focused(), window->CL1());
    type(Qt::Key_Down);
    EXPECT_EQ(window->CL1()->ListIndex(), 0) << "the first key starts at the top";
    type(Qt::Key_Down);
    type(Qt::Key_Up);
    type(Qt::Key_Return);
    EXPECT_EQ(window->DD1()->Title(), "Triangle");
    EXPECT_EQ(window->GetMatchesInPuzzle(), 3);
    EXPECT_TRUE(window->DD1()->Collapsed());
    EXPECT_EQ(focused(), window->DD1());

    type(Qt::Key_Down);
    type(Qt::Key_Down);
    type(Qt::Key_Escape);
    EXPECT_TRUE(window->DD1()->Collapsed());
    EXPECT_EQ(window->DD1()->Title(), "Triangle") << "Escape chooses nothing";
    EXPECT_EQ(focused(), window->DD1());
}

TEST_F(KeyboardTest, PlayKeysReachTheBoardUnlessTheOpenListTakesThem)
{
    choose("Triangle");
    window->CB1(0)->setFocus();
    QTest::mouseClick(handle(), Qt::LeftButton, {}, centreOf(1));
    ASSERT_EQ(window->pickedMatch(), 1);
    const QPoint start = window->Image2(1)->pos();
    type(Qt::Key_Right);
    EXPECT_EQ(window->Image2(1)->pos(), start + QPoint(1, 0)) << "past the focused button";

    window->DD1()->setFocus();
    type(Qt::Key_Space);
    type(Qt::Key_Down);
    type(Qt::Key_Escape);
    EXPECT_EQ(window->Image2(1)->pos(), start + QPoint(1, 0)) << "the list took them";
    EXPECT_EQ(window->pickedMatch(), 1);
    type(Qt::Key_Escape);
    EXPECT_EQ(window->pickedMatch(), -1) << "the closed title passes Escape on";
    EXPECT_EQ(window->Image2(1)->pos(), start);
}

} // namespace
} // namespace board_test
