// A puzzle file for the window benchmarks: two puzzles of 40 matches each,
// the segments of a 4 x 4 grid of squares, written straight as file bytes
// into a folder of its own that is removed afterwards.
#pragma once

#include <QTemporaryDir>

#include <string>

namespace bench {

inline constexpr int GridMatches = 40;

// "Grid upright" has heads up and right, "Grid turned" heads down and left,
// so switching between them turns every match.
std::string gridCollection();

class GridPuzzleFile
{
public:
    GridPuzzleFile();

    bool ok() const { return m_written; }
    std::string path() const { return m_path; }

private:
    QTemporaryDir m_folder;
    std::string m_path;
    bool m_written = false;
};

} // namespace bench
