#include "board/MatchesMod.h"

#include "storage/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace board {
namespace {

TEST(MatchesMod, FoldersGetExactlyOneTrailingSlash)
{
    EXPECT_EQ(withTrailingSlash("/"), "/");
    EXPECT_EQ(withTrailingSlash("/opt/flintora"), "/opt/flintora/");
    EXPECT_EQ(withTrailingSlash("/opt/flintora/"), "/opt/flintora/");
}

bool anything(const std::string &)
{
    return true;
}
bool notTheFile(const std::string &path)
{
    return path.find("Kindlet.ini") == std::string::npos;
}
bool onlyTheFile(const std::string &path)
{
    return !notTheFile(path);
}

// A collection beside the program that could not be written used to be
// dropped for the bundled one, and the player lost its puzzles.
TEST(MatchesMod, TheFileBesideTheProgramIsUsedOnlyWhereBothItAndItsFolderCanBeWritten)
{
    TempFolder program;
    writeBytes(program.file("Kindlet.ini"), "[Settings]\r\n");
    TempFolder empty;
    const std::string beside = program.path() + "/Kindlet.ini";
    const std::string data = "/home/player/.local/flintora";
    struct Case
    {
        const char *name;
        std::string folder;
        CanWrite writable;
        SettingsLocation expected;
    } cases[] = {
        {"writable", program.path(), anything, {beside, false, {}}},
        {"no collection beside it", empty.path(), anything, {data + "/Kindlet.ini", true, {}}},
        {"no such folder", "/no/such/folder", anything, {data + "/Kindlet.ini", true, {}}},
        {"a read-only file", program.path(), notTheFile, {data + "/Kindlet.ini", true, beside}},
        {"a read-only folder", program.path(), onlyTheFile, {data + "/Kindlet.ini", true, beside}},
    };
    for (const Case &c : cases) {
        const SettingsLocation at = chooseSettingsFile(c.folder, data, c.writable);
        EXPECT_EQ(at.file, c.expected.file) << c.name;
        EXPECT_EQ(at.perUser, c.expected.perUser) << c.name;
        EXPECT_EQ(at.seedFrom, c.expected.seedFrom) << c.name;
    }
}

// Seeding never overwrites a player's file and never leaves half a one.
TEST(MatchesMod, SeedingCreatesTheFolderAndKeepsAPlayersFile)
{
    TempFolder data;
    const std::string file = data.file("deep/er/Kindlet.ini");
    ASSERT_TRUE(seedSettingsFile(file, "[Settings]\r\n"));
    writeBytes(file, "[Mine]\r\n");
    ASSERT_TRUE(seedSettingsFile(file, "[Settings]\r\n"));
    EXPECT_EQ(readBytes(file), "[Mine]\r\n");
    EXPECT_FALSE(std::filesystem::exists(file + ".seed"));
    writeBytes(data.file("plain"), "not a folder");
    EXPECT_FALSE(seedSettingsFile(data.file("plain/Kindlet.ini"), "[Settings]\r\n"));
    EXPECT_EQ(readBytes(data.file("plain")), "not a folder");
}

} // namespace
} // namespace board
