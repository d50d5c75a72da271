#include "board/MatchesMod.h"

#include "storage/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

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
}

TEST(MatchesMod, AnUnwritableProgramFolderUsesThePerUserFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root can write everywhere";
    TempFolder program;
    std::filesystem::permissions(program.path(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
    const SettingsLocation at = chooseSettingsFile(program.path(), "/home/player/.local/flintora");
    EXPECT_EQ(at.file, "/home/player/.local/flintora/Kindlet.ini");
    EXPECT_TRUE(at.perUser);
    std::filesystem::permissions(program.path(), std::filesystem::perms::owner_all);
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
