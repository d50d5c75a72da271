#include "bench/storage/GeneratedCollection.h"

namespace bench {
namespace {

std::string placementLine(char prefix, int index)
{
    return prefix + std::to_string(index) + "=" + std::to_string(10 + index * 7 % 380) + "," +
           std::to_string(20 + index * 13 % 360) + "," + std::to_string(index % 16) + "\r\n";
}

} // namespace

std::string generatedCollection(int puzzles)
{
    std::string bytes = "[Settings]\r\nVersion=1\r\n";
    for (int n = 1; n <= puzzles; ++n) {
        bytes += "[Puzzle " + std::to_string(n) + "]\r\n";
        bytes += "Instructions=Move two matches to make three squares.\xB6Then rest.\r\n";
        bytes += "MatchesInPuzzle=20\r\n";
        for (int i = 1; i <= 20; ++i)
            bytes += placementLine('M', i);
        bytes += "MatchesInSolution=20\r\n";
        for (int i = 1; i <= 20; ++i)
            bytes += placementLine('S', i);
    }
    return bytes;
}

storage::PuzzleRecord generatedRecord(const std::string &title, int puzzleMatches,
                                      int solutionMatches)
{
    storage::PuzzleRecord record;
    record.title = title;
    record.instructions = "Turn one match.\r\nThen another.";
    for (int i = 0; i < puzzleMatches; ++i)
        record.puzzle.push_back({std::int16_t(i * 5), std::int16_t(i * 3), std::int16_t(i % 16)});
    for (int i = 0; i < solutionMatches; ++i)
        record.solution.push_back({std::int16_t(i * 4), std::int16_t(i * 6), std::int16_t(i % 16)});
    return record;
}

} // namespace bench
