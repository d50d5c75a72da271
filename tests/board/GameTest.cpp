// The rules of play without a window: the solved decision, the move count,
// undo, the board actions' outcomes and the authoring checks.
#include "board/Game.h"
#include "board/FormLayout.h"

#include <gtest/gtest.h>

#include <set>

namespace board {
namespace {

struct MapMemory : SolvedMemory
{
    std::set<std::string> solved;
    bool writable = true;
    bool isSolved(const std::string &title) const override { return solved.count(title) > 0; }
    bool markSolved(const std::string &title) override
    {
        if (writable)
            solved.insert(title);
        return writable;
    }
    void forgetSolved(const std::string &title) override { solved.erase(title); }
};

struct Announcements : GameListener
{
    int statusChanges = 0;
    std::vector<bool> solvedNotices; // whether each was remembered
    void statusChanged() override { ++statusChanges; }
    void puzzleSolved(bool remembered) override { solvedNotices.push_back(remembered); }
};

// One upright match to be laid flat: four clockwise turns solve it.
storage::PuzzleRecord layItDown()
{
    return {"Lay it down",
            "Lay the match down.",
            {{100, 100, 0}, {300, 100, 4}},
            {{20, 150, 4}, {220, 150, 4}}};
}

class GameTest : public ::testing::Test
{
protected:
    GameTest()
    {
        game.board().setAreas(Form_ResizeLayout(LayoutInput{})->areas);
        game.board().ResetBoard();
        game.setListener(&heard);
        game.choose("Lay it down", layItDown());
        game.showPuzzleMatches();
    }
    // A player's turn of a match, as a gesture ends.
    void turn(int sprite, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            const Game::Snapshot before = game.snapshot();
            const std::optional<Rect> box = game.boxInPlay(sprite);
            game.board().turn(sprite, true);
            game.record(before);
            game.playerMoved(sprite, box);
        }
    }
    void drag(int sprite, int dx, int dy)
    {
        const Game::Snapshot before = game.snapshot();
        const std::optional<Rect> box = game.boxInPlay(sprite);
        const SpriteState &s = game.board().sprite(sprite);
        game.board().moveTo(sprite, s.left + dx, s.top + dy);
        game.record(before);
        game.playerMoved(sprite, box);
    }
    MapMemory memory;
    Announcements heard;
    Game game{memory};
};

TEST_F(GameTest, TheSolvingMoveIsCongratulatedOnceAndRemembered)
{
    turn(1, 3);
    EXPECT_EQ(game.status().moves, 1);
    EXPECT_FALSE(game.status().solved);
    EXPECT_TRUE(heard.solvedNotices.empty());
    turn(1);
    EXPECT_TRUE(game.status().solved);
    EXPECT_EQ(heard.solvedNotices, std::vector<bool>{true});
    EXPECT_EQ(memory.solved.count("Lay it down"), 1u);
    // Undo and redo show where the player stands without congratulating.
    game.undo();
    game.redo();
    EXPECT_TRUE(game.status().solved);
    EXPECT_EQ(heard.solvedNotices.size(), 1u);
}

TEST_F(GameTest, ABrokenFigureIsNoLongerSolvedAndSolvingAgainIsCongratulatedAgain)
{
    turn(1, 4);
    turn(1);
    EXPECT_FALSE(game.status().solved);
    game.undo();
    EXPECT_TRUE(game.status().solved);
    turn(1, 8); // through the broken turns to the match head round
    EXPECT_EQ(heard.solvedNotices.size(), 2u);
}

TEST_F(GameTest, AMemoryThatCannotKeepItIsReported)
{
    memory.writable = false;
    turn(1, 4);
    EXPECT_EQ(heard.solvedNotices, std::vector<bool>{false});
}

TEST_F(GameTest, TheLaidOutSolutionNeverCountsButAWorkedCopyDoes)
{
    game.showSolution();
    turn(2); // a move in the puzzle box, away from the solution
    EXPECT_FALSE(game.status().solved);
    EXPECT_TRUE(heard.solvedNotices.empty());
    game.choose("Lay it down", layItDown());
    game.showPuzzleMatches();
    ASSERT_EQ(game.copy(), CopyOutcome::Copied);
    EXPECT_EQ(game.workBox(), game.board().areas().solutionBox);
    EXPECT_EQ(game.status().moves, 0);
    turn(3, 4); // the copy of match 1 is sprite 3
    EXPECT_TRUE(game.status().solved);
    EXPECT_EQ(heard.solvedNotices.size(), 1u);
}

TEST_F(GameTest, MovesCountMatchesOutOfPlaceAndADragBackCostsNothing)
{
    drag(1, 200, 150);
    EXPECT_EQ(game.status().moves, 1);
    drag(2, 0, 30);
    EXPECT_EQ(game.status().moves, 2);
    drag(1, -200, -150);
    EXPECT_EQ(game.status().moves, 1);
}

TEST_F(GameTest, UndoAndRedoStepThroughMovesAndTheBoardButtons)
{
    const Game::Snapshot shown = game.snapshot();
    drag(1, 30, 40);
    const Game::Snapshot moved = game.snapshot();
    game.showSolution();
    game.reset();
    EXPECT_FALSE(game.chosen());
    EXPECT_FALSE(game.deleteOffered());
    game.undo();
    EXPECT_TRUE(game.chosen());
    EXPECT_TRUE(game.deleteOffered());
    game.undo();
    EXPECT_EQ(game.snapshot(), moved);
    game.undo();
    EXPECT_EQ(game.snapshot(), shown);
    EXPECT_FALSE(game.canUndo());
    game.redo();
    EXPECT_EQ(game.snapshot(), moved);
    game.choose("Lay it down", layItDown());
    EXPECT_FALSE(game.canUndo());
    EXPECT_FALSE(game.canRedo());
}

// A resize used to throw undo away: its states held the old box places.
TEST_F(GameTest, UndoSurvivesANewWindowSize)
{
    drag(1, 30, 40);
    LayoutInput bigger;
    bigger.innerWidth = bigger.outerWidth = 1200;
    bigger.innerHeight = 800;
    const BoardAreas areas = Form_ResizeLayout(bigger)->areas;
    game.relayout(areas);
    game.undo();
    EXPECT_EQ(game.board().sprite(1).left, areas.puzzleBox.left + 100);
    EXPECT_EQ(game.status().moves, 0);
}

TEST_F(GameTest, ResetForgetsTheChoiceButKeepsTheLoadedPuzzle)
{
    game.reset();
    EXPECT_FALSE(game.shownTitle());
    EXPECT_TRUE(game.current().instructions.empty());
    EXPECT_EQ(game.current().solution[1], layItDown().solution);
    EXPECT_EQ(game.board().GetMatchesInPuzzle(), 0);
}

TEST_F(GameTest, CopyRefusesAnEmptyBoxAndMoreThan32MatchesWithoutTouchingTheBoard)
{
    const Rect &puzzle = game.board().areas().puzzleBox;
    for (int i = 3; i <= 33; ++i)
        game.board().moveTo(i, puzzle.left + 10 * (i % 30), puzzle.top + 200);
    const Game::Snapshot before = game.snapshot();
    EXPECT_EQ(game.copy(), CopyOutcome::TooManyToCopy);
    EXPECT_EQ(game.snapshot(), before);
    game.board().ResetBoard();
    EXPECT_EQ(game.copy(), CopyOutcome::NothingToCopy);
    EXPECT_FALSE(game.canUndo());
}

TEST_F(GameTest, CopyMakesTheBoxTheCurrentPuzzleAndItsFirstSolution)
{
    drag(1, 10, 0);
    ASSERT_EQ(game.copy(), CopyOutcome::Copied);
    const Arrangement expected = {{110, 100, 0}, {300, 100, 4}};
    EXPECT_EQ(game.current().puzzle, expected);
    EXPECT_EQ(game.current().solution[0], expected);
    EXPECT_EQ(game.current().solution[1], layItDown().solution) << "SOLUTION still shows this";
    EXPECT_EQ(game.board().collectMatches(game.board().areas().solutionBox), expected);
}

TEST_F(GameTest, SavingNeedsMatchesInBothBoxes)
{
    EXPECT_EQ(game.saveRefusal(), SaveRefusal::EmptySolutionBox);
    game.showSolution();
    EXPECT_EQ(game.saveRefusal(), SaveRefusal::None);
    game.board().ResetBoard();
    EXPECT_EQ(game.saveRefusal(), SaveRefusal::EmptyPuzzleBox);
}

TEST_F(GameTest, ASaveReplacesAnotherPuzzleOnlyUnderItsTitleInAnyCase)
{
    const std::vector<std::string> titles = {"Lay it down", "Wordy", "Caf\xC3\xA9"};
    EXPECT_FALSE(game.replacedTitle("lay IT down", titles)) << "the puzzle on show";
    EXPECT_EQ(game.replacedTitle("WORDY", titles), std::optional<std::string>("Wordy"));
    EXPECT_FALSE(game.replacedTitle("CAF\xC3\x89", titles)) << "only ASCII letters fold";
    EXPECT_FALSE(game.replacedTitle("New", titles));
    game.reset();
    EXPECT_EQ(game.replacedTitle("Lay it down", titles), std::optional<std::string>("Lay it down"));
}

TEST_F(GameTest, APuzzleCalledLikeTheEmptyChoiceCountsAsNone)
{
    game.choose(NoPuzzleTitle, layItDown());
    EXPECT_FALSE(game.shownTitle());
}

TEST_F(GameTest, DeletingForgetsTheSolvedMarkAndTheChoice)
{
    turn(1, 4);
    game.deleted("Lay it down");
    EXPECT_TRUE(memory.solved.empty());
    EXPECT_FALSE(game.chosen());
    EXPECT_FALSE(game.canUndo());
}

} // namespace
} // namespace board
