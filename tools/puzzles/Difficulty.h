// How hard a puzzle is: each episode lists its puzzles easiest first, and
// the harder a puzzle, the fewer ways to solve it it may have.
#pragma once

#include "tools/puzzles/Candidates.h"

#include "board/AnswerSearch.h"

namespace puzzles {

// Sums that read the same count once, wherever their matches lie; any
// other answer is a way of its own.
int answerWays(const std::vector<board::Answer> &answers);

// A match moved is two choices, where it comes from and where it goes; one
// taken away or added is one. More matches to look at make a puzzle
// harder, more ways to solve it easier, and shapes of one size harder.
int difficulty(Change change, int moves, int matches, int ways, bool equal);

// Three ways for up to four choices, two for up to six, one beyond.
int mostWays(Change change, int moves);

} // namespace puzzles
