#include "storage/SolvedPuzzles.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace storage;

namespace {

struct SolvedCase
{
    const char *name;
    std::string before;
    bool mark; // else forget
    std::string title;
    std::string after; // the exact lines, so files of earlier versions keep their ticks
    bool solved;
};

const SolvedCase solvedCases[] = {
    // clang-format off
    {"plain title", "[Settings]\r\nVolume=3\r\n", true, "Triangle", "[Settings]\r\nVolume=3\r\nSolved Triangle=1\r\n", true},
    {"equals and percent escaped", "", true, "1+1=3 %", "[Settings]\r\nSolved 1+1%3D3 %25=1\r\n", true},
    {"section in any letter case", "[SETTINGS]\r\n[Triangle]\r\n", true, "Triangle", "[SETTINGS]\r\nSolved Triangle=1\r\n[Triangle]\r\n", true},
    {"forget", "[Settings]\r\nSolved a%3Db=1\r\nSolved c=1\r\n", false, "a=b", "[Settings]\r\nSolved c=1\r\n", false},
    // clang-format on
};

using SolvedPuzzles = testing::TestWithParam<SolvedCase>;

TEST_P(SolvedPuzzles, AreRememberedInTheSettingsSection)
{
    const SolvedCase &c = GetParam();
    TempFolder folder;
    const std::string path = folder.collection(c.before);
    if (c.mark)
        EXPECT_TRUE(MarkSolved(path, c.title));
    else
        ForgetSolved(path, c.title);
    EXPECT_EQ(readBytes(path), c.after);
    EXPECT_EQ(IsSolved(path, c.title), c.solved);
}

INSTANTIATE_TEST_SUITE_P(Cases, SolvedPuzzles, testing::ValuesIn(solvedCases), rowName<SolvedCase>);

TEST(SolvedPuzzlesFile, MarkFailsWhereNothingCanBeWritten)
{
    TempFolder folder;
    EXPECT_FALSE(MarkSolved(folder.path(), "Triangle"));
}

} // namespace
