// The rules of play without a window: the solved decision, the move count,
// undo, the board actions' outcomes and the authoring checks.
#include "GameFixture.h"

#include <gtest/gtest.h>

namespace board {
namespace {

struct Announcements : GameListener
{
    std::vector<bool> solvedNotices; // whether each was remembered
    void statusChanged(const PlayStatus &) override {}
    void puzzleSolved(bool remembered) override { solvedNotices.push_back(remembered); }
};

class GameTest : public ::testing::Test
{
protected:
    GameTest()
    {
        game.setListener(&heard);
        chooseOnTheDesignBoard(game, layItDown());
    }
    // A player's gesture on a match, as MatchHandling ends one.
    void play(int sprite, const std::function<void()> &gesture)
    {
        const Game::Snapshot before = game.snapshot();
        const std::optional<Rect> box = game.boxInPlay(sprite);
        gesture();
        game.record(before);
        game.playerMoved(sprite, box);
    }
    void turn(int sprite, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            play(
                sprite, [&] { game.board().turn(sprite, true); });
    }
    void drag(int sprite, int dx, int dy)
    {
        const SpriteState &s = game.board().sprite(sprite);
        play(sprite, [&] { game.board().moveTo(sprite, s.left + dx, s.top + dy); });
    }
    MapMemory memory;
    Announcements heard;
    Game game{memory};
};

// "Solved" used to stay on a broken figure, and undo congratulated again.
TEST_F(GameTest, OnlyTheSolvingMoveIsCongratulatedAndABrokenFigureIsNotSolved)
{
    turn(1, 3);
    EXPECT_EQ(game.status().moves, 1);
    EXPECT_TRUE(heard.solvedNotices.empty());
    turn(1);
    EXPECT_TRUE(game.status().solved);
    EXPECT_EQ(heard.solvedNotices, std::vector<bool>{true});
    EXPECT_EQ(memory.solved.count("Lay it down"), 1u);
    turn(1);
    EXPECT_FALSE(game.status().solved);
    game.undo();
    game.redo();
    game.undo();
    EXPECT_TRUE(game.status().solved);
    EXPECT_EQ(heard.solvedNotices.size(), 1u);
    turn(1, 8); // through the broken turns to the match head round
    EXPECT_EQ(heard.solvedNotices.size(), 2u);
    memory.writable = false;
    turn(1, 8);
    EXPECT_EQ(heard.solvedNotices.back(), false) << "a memory that cannot keep it says so";
}

TEST_F(GameTest, TheLaidOutSolutionNeverCountsButAWorkedCopyDoes)
{
    game.showSolution();
    turn(2);
    EXPECT_FALSE(game.status().solved);
    chooseOnTheDesignBoard(game, layItDown());
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
    drag(2, 0, 30);
    EXPECT_EQ(game.status().moves, 2);
    drag(1, -200, -150);
    EXPECT_EQ(game.status().moves, 1);
}

TEST_F(GameTest, UndoStepsThroughMovesAndTheBoardButtonsBackToTheChoice)
{
    const Game::Snapshot shown = game.snapshot();
    drag(1, 30, 40);
    const Game::Snapshot moved = game.snapshot();
    game.showSolution();
    game.reset();
    EXPECT_FALSE(game.shownTitle() || game.deleteOffered());
    EXPECT_TRUE(game.current().instructions.empty());
    EXPECT_EQ(game.current().solution[1], layItDown().solution) << "the loaded puzzle stays";
    game.undo();
    EXPECT_TRUE(game.chosen() && game.deleteOffered());
    game.undo();
    EXPECT_EQ(game.snapshot(), moved);
    game.undo();
    EXPECT_EQ(game.snapshot(), shown);
    EXPECT_FALSE(game.canUndo());
    game.redo();
    EXPECT_EQ(game.snapshot(), moved);
    game.choose("Lay it down", layItDown());
    EXPECT_FALSE(game.canUndo() || game.canRedo());
}

TEST_F(GameTest, CopyRefusesAnEmptyBoxAndOver32MatchesElseBecomesTheCurrentPuzzle)
{
    drag(1, 10, 0);
    ASSERT_EQ(game.copy(), CopyOutcome::Copied);
    const Arrangement expected = {{110, 100, 0}, {300, 100, 4}};
    EXPECT_EQ(game.current().puzzle, expected);
    EXPECT_EQ(game.current().solution[0], expected);
    EXPECT_EQ(game.current().solution[1], layItDown().solution) << "SOLUTION still shows this";
    const Rect &puzzle = game.board().areas().puzzleBox;
    for (int i = 33; i <= 63; ++i)
        game.board().moveTo(i, puzzle.left + 10 * (i % 30), puzzle.top + 200);
    const Game::Snapshot before = game.snapshot();
    EXPECT_EQ(game.copy(), CopyOutcome::TooManyToCopy);
    EXPECT_EQ(game.snapshot(), before);
    game.board().ResetBoard();
    EXPECT_EQ(game.copy(), CopyOutcome::NothingToCopy);
}

TEST_F(GameTest, ASaveNeedsBothBoxesAndReplacesAnotherPuzzleOnlyUnderItsTitle)
{
    EXPECT_EQ(game.saveRefusal(), SaveRefusal::EmptySolutionBox);
    game.showSolution();
    EXPECT_EQ(game.saveRefusal(), SaveRefusal::None);
    const auto titles = [] {
        return std::vector<std::string>{"Lay it down", "Wordy", "Caf\xC3\xA9"};
    };
    EXPECT_FALSE(game.replacedTitle("lay IT down", titles)) << "the puzzle on show";
    EXPECT_EQ(game.replacedTitle("WORDY", titles), std::optional<std::string>("Wordy"));
    EXPECT_FALSE(game.replacedTitle("CAF\xC3\x89", titles)) << "only ASCII letters fold";
    EXPECT_FALSE(game.replacedTitle("New", titles));
    game.reset();
    EXPECT_EQ(game.saveRefusal(), SaveRefusal::EmptyPuzzleBox);
    EXPECT_EQ(game.replacedTitle("Lay it down", titles), std::optional<std::string>("Lay it down"));
    game.choose(NoPuzzleTitle, layItDown());
    EXPECT_FALSE(game.shownTitle()) << "a puzzle called like the empty choice is none";
}

TEST_F(GameTest, DeletingForgetsTheSolvedMarkAndTheChoice)
{
    turn(1, 4);
    game.deleted("Lay it down");
    EXPECT_TRUE(memory.solved.empty());
    EXPECT_FALSE(game.chosen() || game.canUndo());
}

} // namespace
} // namespace board
