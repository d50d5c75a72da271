// Choosing the bundled collection: every candidate of each family is solved
// with the game's own answer search and checked as an author would check
// it (puzzles::verify). Those with few ways to solve them are kept, each
// puzzle once, spread over the ways of changing a figure and over the
// figures, and written out easiest first as the data the collection is
// built from. The search takes minutes; building from the data does not.
#pragma once

#include <ostream>
#include <string>

namespace puzzles {

// The text of ChosenPuzzles.inc. Progress goes to `log`.
std::string discoveredData(std::ostream &log);

} // namespace puzzles
