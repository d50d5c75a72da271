#include "board/BoardModel.h"

#include "board/FormLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace board {
namespace {

BoardAreas designAreas()
{
    return Form_ResizeLayout(LayoutInput{})->areas;
}

struct EventLog : BoardListener
{
    std::vector<std::string> events;
    void spriteOriented(int i) override { events.push_back("orient " + std::to_string(i)); }
    void spriteMoved(int i) override { events.push_back("move " + std::to_string(i)); }
    void spriteShown(int i) override { events.push_back("show " + std::to_string(i)); }
    void spriteRaised(int i) override { events.push_back("raise " + std::to_string(i)); }
};

class BoardTest : public ::testing::Test
{
protected:
    BoardTest()
    {
        board.setAreas(designAreas());
        board.ResetBoard();
    }
    Board board;
};

TEST(InRectangle, BothBoundsInclusiveOnBothAxes)
{
    EXPECT_TRUE(InRectangle(10, 20, 10, 20, 30, 40));
    EXPECT_TRUE(InRectangle(30, 40, 10, 20, 30, 40));
    EXPECT_FALSE(InRectangle(9.9f, 20, 10, 20, 30, 40));
    EXPECT_FALSE(InRectangle(30.1f, 40, 10, 20, 30, 40));
    EXPECT_FALSE(InRectangle(10, 40.5f, 10, 20, 30, 40));
}

TEST_F(BoardTest, MembershipCountsTheCornerFromTheEdgeToTheLastColumnAndRow)
{
    const Rect box = board.areas().puzzleBox; // 16, 45, 422 x 417
    struct Case
    {
        int left, top;
        bool inside;
    } cases[] = {{16, 45, true},    {437, 461, true}, {438, 100, false},
                 {100, 462, false}, {15, 100, false}, {100, 44, false}};
    for (const Case &c : cases) {
        board.moveTo(1, c.left, c.top);
        EXPECT_EQ(liesIn(board.sprite(1), box), c.inside) << c.left << "," << c.top;
        EXPECT_EQ(board.GetMatchesInPuzzle(), c.inside ? 1 : 0);
    }
}

TEST_F(BoardTest, ResetLeavesTwoStacksOutsideBothBoxes)
{
    for (int i = 0; i < SpriteCount; ++i) {
        const SpriteState &s = board.sprite(i);
        EXPECT_TRUE(s.visible);
        if (i < VerticalSpareCount)
            EXPECT_EQ(s, (SpriteState{483, 182, 0, true})) << i; // 182.5 rounds to even
        else
            EXPECT_EQ(s, (SpriteState{440, 226, 4, true})) << i; // 225.5
    }
    EXPECT_EQ(board.GetMatchesInPuzzle(), 0);
    EXPECT_EQ(board.matchesIn(board.areas().solutionBox), 0);
    EXPECT_EQ(board.zOrder().back(), 63);
    EXPECT_GT(board.stackingPosition(31), board.stackingPosition(30));
}

TEST_F(BoardTest, ResetAfterPlayRestoresHomeOrientationPlaceAndOrder)
{
    board.turn(5, true);
    board.moveTo(5, 100, 100);
    board.raise(5);
    board.turn(40, false);
    board.ResetBoard();
    EXPECT_EQ(board.sprite(5), board.homeOf(5));
    EXPECT_EQ(board.sprite(40).k, 4);
    for (int i = 0; i < SpriteCount; ++i)
        EXPECT_EQ(board.zOrder()[i], i);
}

TEST_F(BoardTest, ShowPuzzlePlacesMatchJOnSpriteJInThePuzzleBox)
{
    const Arrangement puzzle = {{60, 20, 2}, {100, 20, 14}, {60, 90, 4}};
    EXPECT_EQ(board.ShowPuzzleMatches(puzzle), 3);
    EXPECT_EQ(board.sprite(1), (SpriteState{76, 65, 2, true}));
    EXPECT_EQ(board.sprite(2), (SpriteState{116, 65, 14, true}));
    EXPECT_EQ(board.sprite(3), (SpriteState{76, 135, 4, true}));
    EXPECT_EQ(board.sprite(0), board.homeOf(0));
    EXPECT_EQ(board.GetMatchesInPuzzle(), 3);
    EXPECT_EQ(board.collectMatches(board.areas().puzzleBox), puzzle);
}

TEST_F(BoardTest, ShowingTwiceGivesTheSameBoard)
{
    const Arrangement puzzle = {{60, 20, 2}, {10, 10, 7}};
    board.ShowPuzzleMatches(puzzle);
    const Board::Snapshot first = board.snapshot();
    board.moveTo(1, 700, 100);
    board.raise(1);
    board.ShowPuzzleMatches(puzzle);
    EXPECT_EQ(board.snapshot(), first);
}

TEST_F(BoardTest, MoreThanTheSpritesCanShowShowsTheFirst63)
{
    Arrangement puzzle;
    for (int j = 0; j < 70; ++j)
        puzzle.push_back({static_cast<std::int16_t>(j * 5), 10, 0});
    EXPECT_EQ(board.ShowPuzzleMatches(puzzle), 63);
    EXPECT_EQ(board.GetMatchesInPuzzle(), 63);
    EXPECT_EQ(board.sprite(63).left, 16 + 62 * 5);
    EXPECT_EQ(board.sprite(0), board.homeOf(0));
}

TEST_F(BoardTest, TurningWrapsAndIgnoresImpossibleOrientations)
{
    board.setOrientation(1, 15);
    board.turn(1, true);
    EXPECT_EQ(board.sprite(1).k, 0);
    board.turn(1, false);
    EXPECT_EQ(board.sprite(1).k, 15);
    for (int bad : {16, -1}) {
        board.setOrientation(1, bad);
        EXPECT_EQ(board.sprite(1).k, 15);
    }
}

TEST_F(BoardTest, ResizeKeepsBoxMatchesAtTheirOffsetAndSendsTheRestHome)
{
    board.ShowPuzzleMatches({{30, 40, 1}});
    const Rect solution = board.areas().solutionBox;
    board.moveTo(40, solution.left + 5, solution.top + 7);
    board.turn(40, true);
    board.moveTo(41, 5, 300); // beside the boxes
    const std::array<int, SpriteCount> order = board.zOrder();
    LayoutInput bigger;
    bigger.innerWidth = bigger.outerWidth = 1200;
    bigger.innerHeight = 800;
    const BoardAreas areas = Form_ResizeLayout(bigger)->areas;
    board.relayout(areas);
    EXPECT_EQ(board.sprite(1),
              (SpriteState{areas.puzzleBox.left + 30, areas.puzzleBox.top + 40, 1, true}));
    EXPECT_EQ(board.sprite(40),
              (SpriteState{areas.solutionBox.left + 5, areas.solutionBox.top + 7, 5, true}));
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
    LayoutInput smaller;
    smaller.innerWidth = smaller.outerWidth = 700;
    smaller.innerHeight = 450;
    const BoardAreas areas = Form_ResizeLayout(smaller)->areas;
    board.relayout(areas);
    EXPECT_TRUE(liesIn(board.sprite(1), areas.puzzleBox));
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

TEST_F(BoardTest, ListenerHearsOnlyRealChanges)
{
    EventLog log;
    board.setListener(&log);
    board.moveTo(3, board.sprite(3).left, board.sprite(3).top);
    board.setOrientation(3, 0);
    EXPECT_TRUE(log.events.empty());
    board.turn(3, true);
    board.moveTo(3, 1, 2);
    board.raise(3);
    EXPECT_EQ(log.events, (std::vector<std::string>{"orient 3", "move 3", "raise 3"}));
    EXPECT_EQ(board.zOrder().back(), 3);
}

TEST_F(BoardTest, RestoreBringsBackPlacesAndOrder)
{
    const Board::Snapshot before = board.snapshot();
    board.turn(7, true);
    board.moveTo(7, 10, 10);
    board.raise(7);
    EventLog log;
    board.setListener(&log);
    board.restore(before);
    EXPECT_EQ(board.snapshot(), before);
    EXPECT_EQ(log.events.back(), "raise 63");
}

} // namespace
} // namespace board

namespace board {
namespace {

class SolutionBoxTest : public BoardTest
{
protected:
    static Arrangement matches(int n)
    {
        Arrangement list;
        for (int j = 0; j < n; ++j)
            list.push_back({static_cast<std::int16_t>(10 * (j % 30)),
                            static_cast<std::int16_t>(100 * (j / 30)), 0});
        return list;
    }
    std::vector<int> spritesInSolutionBox() const
    {
        std::vector<int> found;
        for (int i = 0; i < SpriteCount; ++i)
            if (liesIn(board.sprite(i), board.areas().solutionBox))
                found.push_back(i);
        return found;
    }
};

TEST_F(SolutionBoxTest, AfterAPuzzleIsShownTheListUsesTheNextSpriteNumbers)
{
    board.ShowPuzzleMatches(matches(12));
    EXPECT_EQ(board.placeInSolutionBox(matches(14), 12), 14);
    std::vector<int> expected;
    for (int i = 13; i <= 26; ++i)
        expected.push_back(i);
    EXPECT_EQ(spritesInSolutionBox(), expected);
    EXPECT_EQ(board.GetMatchesInPuzzle(), 12);
    const Rect box = board.areas().solutionBox;
    EXPECT_EQ(board.sprite(13), (SpriteState{box.left, box.top, 0, true}));
}

TEST_F(SolutionBoxTest, The64thSpriteIsSpriteZeroAndFurtherEntriesAreLeftOut)
{
    board.ShowPuzzleMatches(matches(32));
    EXPECT_EQ(board.placeInSolutionBox(matches(32), 32), 32);
    EXPECT_TRUE(liesIn(board.sprite(0), board.areas().solutionBox));
    board.sendBoxHome(board.areas().solutionBox);
    EXPECT_EQ(board.placeInSolutionBox(matches(40), 32), 32);
    EXPECT_EQ(board.GetMatchesInPuzzle(), 32);
}

TEST_F(SolutionBoxTest, SpritesLyingInThePuzzleBoxAreSkipped)
{
    board.ShowPuzzleMatches(matches(3));
    // The player moved spare 4 into the puzzle box and match 2 out of it.
    const Rect puzzle = board.areas().puzzleBox;
    board.moveTo(4, puzzle.left + 200, puzzle.top + 200);
    board.moveTo(2, 5, 300);
    const Board::Snapshot before = board.snapshot();
    EXPECT_EQ(board.placeInSolutionBox(matches(3), board.GetMatchesInPuzzle()), 3);
    EXPECT_EQ(spritesInSolutionBox(), (std::vector<int>{5, 6, 7}));
    for (int i : {1, 3, 4})
        EXPECT_EQ(board.sprite(i), before.sprites[i]) << i;
}

// Thirty-two matches taken from both stacks leave the numbers after 32
// mostly in the puzzle box; the lower free ones must still be used.
TEST_F(SolutionBoxTest, EveryFreeSpriteIsUsedBeforeAnEntryIsLeftOut)
{
    const Rect puzzle = board.areas().puzzleBox;
    for (int i = 16; i < 48; ++i)
        board.moveTo(i, puzzle.left + 10 * (i - 16), puzzle.top + 100);
    EXPECT_EQ(board.placeInSolutionBox(matches(32), board.GetMatchesInPuzzle()), 32);
    EXPECT_EQ(board.GetMatchesInPuzzle(), 32);
    EXPECT_EQ(spritesInSolutionBox().size(), 32u);
}

TEST_F(SolutionBoxTest, SendingTheBoxHomeUsesEachSpritesOwnStack)
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
    EXPECT_EQ(board.zOrder().back(), 40);
}

} // namespace
} // namespace board
