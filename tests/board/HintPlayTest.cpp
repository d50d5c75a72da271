// Hints on the board, asked for with the H key and the Hint link and
// followed with real drags, so masks and stacking decide who gets them.
#include "BoardWindow.h"

#include "board/HintDisplay.h"
#include "controls/CandyButton.h"

namespace board_test {
namespace {

// A square to finish in the one move allowed: a side set off, a match too
// many, a side missing; and one that needs two.
std::string squarePuzzles()
{
    const std::string square = "MatchesInSolution=4\r\nS1=103,96,4\r\nS2=103,196,4\r\n"
                               "S3=96,103,0\r\nS4=196,103,0\r\n";
    const auto puzzle = [&](const char *title, const std::vector<const char *> &matches) {
        std::string text = std::string("[") + title + "]\r\nInstructions=One move.\r\nMoves=1\r\n" +
                           "MatchesInPuzzle=" + std::to_string(matches.size()) + "\r\n";
        for (std::size_t i = 0; i < matches.size(); ++i)
            text += "M" + std::to_string(i + 1) + "=" + matches[i] + "\r\n";
        return text + square;
    };
    return "[Settings]\r\n" +
           puzzle("Set off", {"103,96,4", "103,196,4", "96,103,0", "296,103,0"}) +
           puzzle("Too many", {"103,96,4", "103,196,4", "96,103,0", "196,103,0", "296,103,0"}) +
           puzzle("Short", {"103,96,4", "103,196,4", "96,103,0"}) +
           puzzle("Far", {"103,96,4", "96,103,0", "300,300,4", "400,300,4"});
}

class HintPlayTest : public BoardWindowTest
{
protected:
    HintPlayTest()
        : BoardWindowTest(squarePuzzles())
    {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void pressH() { QTest::keyClick(handle(), Qt::Key_H); }
    const QWidget *glow() const { return window->hints().glow(); }
    const QWidget *ghost() const { return window->hints().ghost(); }
    QRect matchbox() const
    {
        const board::Rect &r = window->boardState().areas().matchbox;
        return QRect(r.left, r.top, r.width, r.height);
    }
};

struct HintRow
{
    const char *title;
    bool onCopy;
    int sprite; // the match to move; -1: one from the matchbox
    bool back;  // it goes back to the matchbox
};

// The glow must mark a match that has to move and the ghost a place of an
// answer, in the box the player works in: following them solves the
// puzzle, and the drop clears them.
TEST_F(HintPlayTest, FollowingTheHintSolvesThePuzzleAndTheDropClearsIt)
{
    // Match j lies on sprite j; COPY lays its copy on sprite 4 + j.
    const HintRow rows[] = {{"Set off", false, 4, false},
                            {"Set off", true, 8, false},
                            {"Too many", false, 5, true},
                            {"Short", false, -1, false}};
    for (const HintRow &row : rows) {
        SCOPED_TRACE(row.title);
        choose(row.title);
        if (row.onCopy)
            click(window->CB1(2));
        pressH();
        const int sprite = row.sprite >= 0 ? row.sprite : 31; // the top upright spare
        const QRect marked = row.sprite >= 0 ? window->Image2(sprite)->geometry() : matchbox();
        ASSERT_TRUE(glow()->isVisible());
        EXPECT_TRUE(marked.contains(glow()->geometry().center()));
        EXPECT_FALSE(ghost()->isVisible());
        click(window->lbHint());
        ASSERT_TRUE(ghost()->isVisible());
        const QPoint from = row.sprite >= 0 ? centreOf(sprite) : verticalStack();
        const QPoint place = ghost()->pos() - window->Image2(sprite)->pos();
        EXPECT_EQ(matchbox().contains(ghost()->geometry().center()), row.back);
        drag(from, row.back ? matchbox().center() : from + place);
        EXPECT_TRUE(window->lbMoves()->text().endsWith("solved"))
            << window->lbMoves()->text().toStdString();
        EXPECT_FALSE(glow()->isVisible() || ghost()->isVisible());
    }
}

// The link shows only while a puzzle is on show; H typed into the open
// list stays there; without a puzzle or an answer the count's place says so.
TEST_F(HintPlayTest, TheLinkAndTheKeyHintOnlyWhereThereIsAHint)
{
    choose("Far");
    ASSERT_TRUE(window->lbHint()->isVisible());
    click(window->lbHint());
    EXPECT_EQ(window->lbMoves()->text(), "Moves: 0 of 1 \u2014 no hint found");
    click(window->CB1(0)); // RESET
    EXPECT_FALSE(window->lbHint()->isVisible());
    pressH();
    EXPECT_EQ(window->lbMoves()->text(), "Choose a puzzle first");
    choose("Set off");
    window->DD1()->setFocus();
    QTest::keyClick(handle(), Qt::Key_Space);
    ASSERT_TRUE(window->DD1()->Expanded());
    pressH();
    EXPECT_FALSE(glow()->isVisible());
}

} // namespace
} // namespace board_test
