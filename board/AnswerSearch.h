// Every way to solve a puzzle: the arrangements of the box that meet its
// goal within the moves it allows. The puzzle author's tool lists and checks
// them, the generator keeps puzzles with few of them, and a hint points the
// player to the one nearest to what the box holds.
//
// Where a moved match may go depends on the goal: a figure goal only ever
// needs the stored figure laid over the start; squares and triangles are
// built from the edges of the lattice the start is drawn on, around the
// start; an equation changes its glyphs where they stand, and a number may
// grow by a digit or a letter at either end. Every answer found is confirmed
// by the judge, so the search never accepts what the game would refuse.
#pragma once

#include "board/Judge.h"

#include <string>
#include <vector>

namespace board {

struct Answer
{
    Arrangement box; // placements in the box; unmoved matches keep theirs
    int moves = 0;
    std::string achieved; // what the box makes, as the judge says it
};

// The box the answers are made in, in pixels; a match of an answer lies
// wholly inside. Zero: anywhere.
struct Room
{
    int width = 0;
    int height = 0;
};

// Whether every match lies wholly inside the room; any room of zero holds
// everything.
bool fitsRoom(const Arrangement &box, Room room);

// Puzzles without a limit are searched this far.
constexpr int UnlimitedSearchMoves = 3;

// Every answer within the rules' limit, fewest moves first. Answers that
// are one figure shifted count once, with the fewest moves it can be made in.
// `exhaustive`, when given, is set false if the search had to stop early.
std::vector<Answer> findAnswers(const PuzzleRules &rules, Room room = {},
                                bool *exhaustive = nullptr);

} // namespace board
