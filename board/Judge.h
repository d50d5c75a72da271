// The judge: whether the matches in the box the player works in meet the
// puzzle's goal within the moves it allows. Every valid answer counts, not
// only the stored one. No widget here; the game and the puzzle author's
// tool use the same judge.
#pragma once

#include "board/ArrangementMatch.h"

#include <optional>
#include <string>
#include <string_view>

namespace board {

// A puzzle's goal as its file names it:
//   "figure" (also no goal at all): the stored solution's figure, anywhere;
//   "squares N", "squares N equal": exactly N squares of any size (all one
//     size with "equal"), every match part of one;
//   "triangles N", "triangles N equal": the same with equilateral triangles;
//   "equation": a true equation in Roman numerals or seven-segment digits.
struct Goal
{
    enum Kind
    {
        Figure,
        Squares,
        Triangles,
        Equation
    } kind = Figure;
    int count = 0;
    bool equal = false;
    friend bool operator==(const Goal &a, const Goal &b)
    {
        return a.kind == b.kind && a.count == b.count && a.equal == b.equal;
    }
};

// Nothing for a text outside those forms; an empty text is the figure.
std::optional<Goal> parseGoal(std::string_view text);

// What the judge needs of a puzzle.
struct PuzzleRules
{
    Goal goal;
    int moveLimit = 0;     // 0: no limit
    Arrangement start;     // the box as the player started from it
    Arrangement solution;  // the stored solution, for the figure goal
    int answerMatches = 0; // the matches a solved box holds; 0: any number
};

struct Verdict
{
    bool goalMet = false;
    int moves = 0;
    bool overLimit = false;
    std::string achieved; // what the box makes, for a player to read
    bool solved() const { return goalMet && !overLimit; }
};

Verdict judge(const PuzzleRules &rules, const Arrangement &box);

} // namespace board
