// The board without a window: membership, reset, placing a puzzle and a
// list in the solution box, resizes, and what the sprites are told.
#include "board/BoardModel.h"

#include "board/FormLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace board {
namespace {

BoardAreas areasAt(int width, int height)
{
    LayoutInput in;
    in.innerWidth = in.outerWidth = width;
    in.innerHeight = height;
    return Form_ResizeLayout(in)->areas;
}

struct EventLog : BoardListener
{
    std::vector<std::string> events;
    void spriteOriented(int i) override { events.push_back("orient " + std::to_string(i)); }
    void spriteMoved(int i) override { events.push_back("move " + std::to_string(i)); }
    void spriteShown(int i) override { events.push_back("show " + std::to_string(i)); }
    void spriteRaised(int i) override { events.push_back("raise " + std::to_string(i)); }
};

// Puzzle matches 10 pixels apart in rows of 30.
Arrangement matches(int n)
{
    Arrangement list;
    for (int j = 0; j < n; ++j)
        list.push_back({std::int16_t(10 * (j % 30)), std::int16_t(100 * (j / 30)), 0});
    return list;
}

class BoardTest : public ::testing::Test
{
protected:
    BoardTest()
    {
        board.setAreas(areasAt(975, 600));
        board.ResetBoard();
    }
    std::vector<int> spritesIn(const Rect &box) const
    {
        std::vector<int> found;
        for (int i = 0; i < SpriteCount; ++i)
            if (liesIn(board.sprite(i), box))
                found.push_back(i);
        return found;
    }
    Board board;
};

// Only the corner counts, from the box's edge to its last column and row.
TEST_F(BoardTest, MembershipCountsTheCornerWithBothBoundsInclusive)
{
    EXPECT_TRUE(InRectangle(30, 40, 10, 20, 30, 40));
    EXPECT_FALSE(InRectangle(30.1f, 40, 10, 20, 30, 40));
    // The puzzle box is 422 x 417 at (16, 45).
    const struct
    {
        int left, top;
        bool inside;
    } cases[] = {{16, 45, true},    {437, 461, true}, {438, 100, false},
                 {100, 462, false}, {15, 100, false}, {100, 44, false}};
    for (const auto &c : cases) {
        board.moveTo(1, c.left, c.top);
        EXPECT_EQ(board.GetMatchesInPuzzle(), c.inside ? 1 : 0) << c.left << "," << c.top;
    }
}

TEST_F(BoardTest, ResetMakesTwoStacksOutsideBothBoxesInTheirHomeOrder)
{
    board.turn(5, true);
    board.moveTo(5, 100, 100);
    board.raise(5);
    board.ResetBoard();
    for (int i = 0; i < SpriteCount; ++i) // 182.5 and 225.5 round to even
        EXPECT_EQ(board.sprite(i), (i < VerticalSpareCount ? SpriteState{483, 182, 0, true}
                                                           : SpriteState{440, 226, 4, true}))
            << i;
    EXPECT_EQ(board.GetMatchesInPuzzle() + board.matchesIn(board.areas().solutionBox), 0);
    for (int i = 0; i < SpriteCount; ++i)
        EXPECT_EQ(board.zOrder()[i], i);
}

TEST_F(BoardTest, AShownPuzzleUsesSpriteJForMatchJUpTo63TheSameEveryTime)
{
    const Arrangement puzzle = {{60, 20, 2}, {100, 20, 14}, {60, 90, 4}};
    EXPECT_EQ(board.ShowPuzzleMatches(puzzle), 3);
    EXPECT_EQ(board.sprite(1), (SpriteState{76, 65, 2, true}));
    EXPECT_EQ(board.sprite(0), board.homeOf(0));
    EXPECT_EQ(board.collectMatches(board.areas().puzzleBox), puzzle);
    const Board::Snapshot first = board.snapshot();
    board.moveTo(1, 700, 100);
    board.raise(1);
    board.ShowPuzzleMatches(puzzle);
    EXPECT_EQ(board.snapshot(), first);
    EXPECT_EQ(board.ShowPuzzleMatches(matches(70)), 63);
    EXPECT_EQ(board.GetMatchesInPuzzle(), 63);
}

TEST_F(BoardTest, TurningWrapsAndIgnoresImpossibleOrientations)
{
    board.setOrientation(1, 15);
    board.turn(1, true);
    EXPECT_EQ(board.sprite(1).k, 0);
    board.turn(1, false);
    for (int bad : {16, -1})
        board.setOrientation(1, bad);
    EXPECT_EQ(board.sprite(1).k, 15);
}

TEST_F(BoardTest, ResizeKeepsBoxMatchesAtTheirOffsetAndTheOrderAndSendsTheRestHome)
{
    board.ShowPuzzleMatches({{30, 40, 1}});
    const Rect solution = board.areas().solutionBox;
    board.moveTo(40, solution.left + 5, solution.top + 7);
    board.moveTo(41, 5, 300); // beside the boxes
    const std::array<int, SpriteCount> order = board.zOrder();
    const BoardAreas areas = areasAt(1200, 800);
    board.relayout(areas);
    EXPECT_EQ(board.sprite(1).left, areas.puzzleBox.left + 30);
    EXPECT_EQ(board.sprite(40).top, areas.solutionBox.top + 7);
    EXPECT_EQ(board.sprite(41), board.homeOf(41));
    EXPECT_EQ(board.homeOf(41).left, (areas.matchbox.width - 95) / 2 + areas.matchbox.left);
    EXPECT_EQ(board.zOrder(), order);
}

// Clamping alone left the figure distorted after the window grew back, and
// a later save stored it so.
TEST_F(BoardTest, ShrinkingPullsMatchesInAndGrowingBackRestoresTheFigureExactly)
{
    board.ShowPuzzleMatches({{400, 400, 0}, {30, 40, 2}});
    const BoardAreas design = board.areas();
    const Board::Snapshot shown = board.snapshot();
    const BoardAreas areas = areasAt(700, 450);
    board.relayout(areas);
    EXPECT_EQ(board.sprite(1).left, areas.puzzleBox.left + areas.puzzleBox.width - 1);
    const Board::Snapshot shrunk = board.snapshot();
    EXPECT_EQ(Board::relaidOut(shown, design, areas), shrunk);
    board.relayout(design);
    EXPECT_EQ(board.snapshot(), shown);
    EXPECT_EQ(Board::relaidOut(shrunk, areas, design), shown);
    // A match the player moves while pulled in stays where it was put.
    board.relayout(areas);
    board.moveTo(1, areas.puzzleBox.left + 10, areas.puzzleBox.top + 10);
    board.relayout(design);
    EXPECT_EQ(board.sprite(1).left, design.puzzleBox.left + 10);
}

TEST_F(BoardTest, TheListenerHearsOnlyRealChangesAndARestoreRepeatsTheOrder)
{
    const Board::Snapshot before = board.snapshot();
    EventLog log;
    board.setListener(&log);
    board.moveTo(3, board.sprite(3).left, board.sprite(3).top);
    board.setOrientation(3, 0);
    board.turn(3, true);
    board.moveTo(3, 1, 2);
    board.raise(3);
    EXPECT_EQ(log.events, (std::vector<std::string>{"orient 3", "move 3", "raise 3"}));
    board.restore(before);
    EXPECT_EQ(board.snapshot(), before);
    EXPECT_EQ(log.events.back(), "raise 63");
}

TEST_F(BoardTest, AListInTheSolutionBoxTakesTheSpritesAfterTheBaseThenSpriteZero)
{
    board.ShowPuzzleMatches(matches(12));
    EXPECT_EQ(board.placeInSolutionBox(matches(14), 12), 14);
    EXPECT_EQ(spritesIn(board.areas().solutionBox).front(), 13);
    EXPECT_EQ(spritesIn(board.areas().solutionBox).back(), 26);
    const Rect box = board.areas().solutionBox;
    EXPECT_EQ(board.sprite(13), (SpriteState{box.left, box.top, 0, true}));
    board.ShowPuzzleMatches(matches(32));
    EXPECT_EQ(board.placeInSolutionBox(matches(40), 32), 32) << "the rest are left out";
    EXPECT_TRUE(liesIn(board.sprite(0), box));
    EXPECT_EQ(board.GetMatchesInPuzzle(), 32);
}

// Thirty-two matches taken from both stacks leave the numbers after 32
// mostly in the puzzle box; the lower free ones must still be used, and
// none is ever taken out of the puzzle box.
TEST_F(BoardTest, AListInTheSolutionBoxUsesEveryFreeSpriteAndNoneFromThePuzzleBox)
{
    const Rect puzzle = board.areas().puzzleBox;
    for (int i = 16; i < 48; ++i)
        board.moveTo(i, puzzle.left + 10 * (i - 16), puzzle.top + 100);
    const Arrangement inPuzzle = board.collectMatches(puzzle);
    EXPECT_EQ(board.placeInSolutionBox(matches(32), board.GetMatchesInPuzzle()), 32);
    EXPECT_EQ(board.collectMatches(puzzle), inPuzzle);
    EXPECT_EQ(spritesIn(board.areas().solutionBox).size(), 32u);
}

TEST_F(BoardTest, SendingTheSolutionBoxHomeUsesEachSpritesOwnStack)
{
    const Rect box = board.areas().solutionBox;
    board.moveTo(10, box.left + 3, box.top + 3);
    board.turn(40, true);
    board.moveTo(40, box.left + 50, box.top + 3);
    board.moveTo(11, 5, 5); // outside both boxes: untouched
    board.sendBoxHome(box);
    EXPECT_EQ(board.sprite(10), board.homeOf(10));
    EXPECT_EQ(board.sprite(40), board.homeOf(40));
    EXPECT_EQ(board.sprite(11).left, 5);
}

} // namespace
} // namespace board
