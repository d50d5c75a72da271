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

TEST(MatchesMod, AWritableProgramFolderKeepsTheFileBesideTheProgram)
{
    TempFolder program;
    writeBytes(program.file("Kindlet.ini"), "[Settings]\r\n");
    const SettingsLocation at = chooseSettingsFile(program.path(), "/nowhere");
    EXPECT_EQ(at.file, program.path() + "/Kindlet.ini");
    EXPECT_FALSE(at.perUser);
}

TEST(MatchesMod, AWritableProgramFolderWithoutACollectionUsesThePerUserFolder)
{
    TempFolder program;
    TempFolder data;
    const SettingsLocation at = chooseSettingsFile(program.path(), data.path());
    EXPECT_EQ(at.file, data.path() + "/Kindlet.ini");
    EXPECT_TRUE(at.perUser);
    EXPECT_TRUE(at.seedFrom.empty()) << "nothing beside the program to start from";
}

// A collection beside the program that cannot be written used to be
// dropped for the bundled one, and the player lost its puzzles.
TEST(MatchesMod, AnUnwritableCollectionOrFolderSeedsThePerUserCopy)
{
    TempFolder program;
    writeBytes(program.file("Kindlet.ini"), "[Settings]\r\n");
    const std::string besideProgram = program.path() + "/Kindlet.ini";
    const std::string dataFolder = "/home/player/.local/flintora";
    const CanWrite readOnlyFile = [](const std::string &path) {
        return path.find("Kindlet.ini") == std::string::npos;
    };
    const CanWrite readOnlyFolder = [](const std::string &path) {
        return path.find("Kindlet.ini") != std::string::npos;
    };
    for (const CanWrite writable : {readOnlyFile, readOnlyFolder}) {
        const SettingsLocation at = chooseSettingsFile(program.path(), dataFolder, writable);
        EXPECT_EQ(at.file, dataFolder + "/Kindlet.ini");
        EXPECT_TRUE(at.perUser);
        EXPECT_EQ(at.seedFrom, besideProgram);
    }
}

TEST(MatchesMod, AMissingProgramFolderUsesThePerUserFolder)
{
    TempFolder data;
    const SettingsLocation at = chooseSettingsFile("/no/such/program/folder", data.path());
    EXPECT_EQ(at.file, data.path() + "/Kindlet.ini");
    EXPECT_TRUE(at.perUser);
}

TEST(MatchesMod, SeedingCreatesTheFolderAndNeverOverwritesAPlayersFile)
{
    TempFolder data;
    const std::string file = data.file("deep/er/Kindlet.ini");
    ASSERT_TRUE(seedSettingsFile(file, "[Settings]\r\n"));
    EXPECT_EQ(readBytes(file), "[Settings]\r\n");
    writeBytes(file, "[Mine]\r\n");
    ASSERT_TRUE(seedSettingsFile(file, "[Settings]\r\n"));
    EXPECT_EQ(readBytes(file), "[Mine]\r\n");
    EXPECT_FALSE(std::filesystem::exists(file + ".seed"));
}

TEST(MatchesMod, SeedingIntoAnImpossiblePlaceFailsAndLeavesNothing)
{
    TempFolder data;
    writeBytes(data.file("plain"), "not a folder");
    EXPECT_FALSE(seedSettingsFile(data.file("plain/Kindlet.ini"), "[Settings]\r\n"));
    EXPECT_EQ(readBytes(data.file("plain")), "not a folder");
}

} // namespace
} // namespace board
