// A large puzzle collection written straight as file bytes, in the stored
// format, so benchmarks can start from one without saving 2,000 puzzles.
#pragma once

#include "storage/PuzzleCollection.h"

#include <string>

namespace bench {

// Puzzle n has the title "Puzzle n", 20 puzzle and 20 solution matches.
std::string generatedCollection(int puzzles);

storage::PuzzleRecord generatedRecord(const std::string &title, int puzzleMatches,
                                      int solutionMatches);

} // namespace bench
