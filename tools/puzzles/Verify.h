// Checks a puzzle the way an author should before shipping it: its stored
// solution meets its goal, its move limit is the fewest moves that solve
// it, every answer fits the box, and the numbers its texts state are true.
#pragma once

#include "board/AnswerSearch.h"
#include "storage/PuzzleCollection.h"

#include <optional>
#include <string>
#include <vector>

namespace puzzles {

// The judge's rules for a stored puzzle; nothing when its goal cannot be read.
std::optional<board::PuzzleRules> rulesOf(const storage::PuzzleRecord &record);

// How the problem of an answer outside the area starts, for the discovery
// to lean such a figure.
constexpr char OutsideProblem[] =
    "an answer reaches under the caption, the matchbox or the buttons:";

struct Verification
{
    std::vector<std::string> problems; // one line each, for an author to read
    std::vector<board::Answer> answers;
};

Verification verify(const storage::PuzzleRecord &record);

// The numbers a text states before "square", "triangle" or "match", in
// words up to twenty or in figures, with the noun in the singular.
struct StatedCount
{
    int number;
    std::string noun;
    bool moves; // after "Move", "Take away", "Remove" or "Add"
};
std::vector<StatedCount> statedCounts(const std::string &text);

} // namespace puzzles
