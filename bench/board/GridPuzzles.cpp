#include "bench/board/GridPuzzles.h"

#include <fstream>

namespace bench {
namespace {

// Close enough that the grid stays inside the puzzle box.
constexpr int Spacing = 80;

std::string placement(int number, int x, int y, int k)
{
    return "M" + std::to_string(number) + "=" + std::to_string(x) + "," + std::to_string(y) + "," +
           std::to_string(k) + "\r\n";
}

std::string gridRecord(const std::string &title, int upright, int flat)
{
    std::string bytes = "[" + title + "]\r\nInstructions=Take away four matches and leave " +
                        "nine squares.\xB6No loose ends.\r\nMatchesInPuzzle=40\r\n";
    int number = 0;
    for (int row = 0; row <= 4; ++row)
        for (int col = 0; col < 4; ++col)
            bytes += placement(++number, 10 + col * Spacing, 10 + row * Spacing, flat);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col <= 4; ++col)
            bytes += placement(++number, 10 + col * Spacing, 10 + row * Spacing, upright);
    return bytes + "MatchesInSolution=0\r\n";
}

} // namespace

std::string gridCollection()
{
    return "[Settings]\r\n" + gridRecord("Grid upright", 0, 4) + gridRecord("Grid turned", 8, 12);
}

GridPuzzleFile::GridPuzzleFile()
    : m_path(m_folder.filePath(QStringLiteral("Kindlet.ini")).toStdString())
{
    if (!m_folder.isValid())
        return;
    std::ofstream out(m_path, std::ios::binary);
    out << gridCollection();
    m_written = bool(out.flush());
}

} // namespace bench
