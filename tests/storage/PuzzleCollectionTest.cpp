#include "storage/PuzzleCollection.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace storage;

namespace {

TEST(PuzzleCollection, WorkedExampleLoads)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(path, "[Settings]\r\n[Triangle]\r\n"
                     "Instructions=Move one match.\xB6Good luck\r\n"
                     "MatchesInPuzzle=3\r\nM1=60,20,2\r\nM2=100,20,14\r\nM3=60,90,4\r\n"
                     "MatchesInSolution=3\r\nS1=60,10,4\r\nS2=60,20,6\r\nS3=120,20,10\r\n");
    EXPECT_EQ(ListPuzzleTitles(path), std::vector<std::string>{"Triangle"});
    const PuzzleRecord r = LoadPuzzleRecord(path, "triangle");
    EXPECT_EQ(r.instructions, "Move one match.\r\nGood luck");
    const std::vector<MatchPlacement> puzzle = {{60, 20, 2}, {100, 20, 14}, {60, 90, 4}};
    const std::vector<MatchPlacement> solution = {{60, 10, 4}, {60, 20, 6}, {120, 20, 10}};
    EXPECT_EQ(r.puzzle, puzzle);
    EXPECT_EQ(r.solution, solution);
}

} // namespace
