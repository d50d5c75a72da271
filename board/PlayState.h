// What the player has done with the chosen puzzle: where they started,
// whether they work on a copy, whether the stored solution is on show, and
// whether they solved it. Plain data so undo can keep it with the board.
#pragma once

#include "board/BoardModel.h"

#include <optional>
#include <string>

namespace board {

struct PlayState
{
    Arrangement shownPuzzle;  // the puzzle box as the puzzle was shown
    Arrangement copiedPuzzle; // the solution box as COPY laid it out
    bool copyInPlay = false;  // the solution box holds the player's copy
    bool onCopy = false;      // the player last worked in the copy
    bool solved = false;
};

struct PlayStatus
{
    int moves = 0;
    bool solved = false;
};

// The box the player last worked in: the puzzle box, or the copy.
const Rect &workBox(const Board &board, const PlayState &play);

// The moves made in the box the player last worked in and whether its
// figure is now the solution; worked out afresh from the board, so it
// follows undo, redo and a resize, and a broken figure is no longer solved.
PlayStatus playStatus(const Board &board, const PlayState &play, const Arrangement &solution);

// The box whose matches a drop or turn of this sprite plays with: the
// puzzle box, or the solution box while it holds the player's copy (the
// stored solution laid out there does not count).
std::optional<Rect> boxInPlay(const Board &board, int sprite, const PlayState &play);

// The arrangement the box started from, for counting moves.
const Arrangement &startOf(const Board &board, const Rect &box, const PlayState &play);

// The settings key that remembers a solved puzzle. A key line cannot hold
// "=", which equation puzzles put in their titles, so "%" and "=" are
// written as %25 and %3D; other titles keep their plain "Solved <title>".
std::string solvedKey(const std::string &title);

} // namespace board
