// SolvedPuzzles -- which puzzles the player has solved, remembered in the
// settings section of the collection file so the list's ticks survive a
// restart.
//
// Each solved puzzle has the key "Solved <title>" with the value 1. A key
// line ends at its first "=", which equation puzzles put in their titles,
// so "%" and "=" are written as %25 and %3D; other titles keep their plain
// key, as files from before that escape hold them.
#pragma once

#include <string>

namespace storage {

// The program's own additions: free to rename.
bool IsSolved(const std::string &file, const std::string &title);
// False when the write failed (reported through the error handler).
bool MarkSolved(const std::string &file, const std::string &title);
// For a removed puzzle: a new one saved later under its title starts
// unsolved.
void ForgetSolved(const std::string &file, const std::string &title);

} // namespace storage
