#include "board/CollectionSeed.h"

#include "storage/TempFolder.h"

#include <QByteArray>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace board {
namespace {

// Points the XDG data folders at fresh temp folders, so neither the
// machine's nor the player's own files take part, and puts them back after.
class CollectionSeed : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.path()));
        qputenv("XDG_DATA_DIRS", QByteArray::fromStdString(first.path() + ":" + second.path()));
    }
    void TearDown() override
    {
        restore("XDG_DATA_HOME", savedHome);
        restore("XDG_DATA_DIRS", savedDirs);
    }

    static void install(const TempFolder &dataDir, const std::string &bytes)
    {
        std::filesystem::create_directories(dataDir.file("flintora"));
        writeBytes(dataDir.file(InstalledCollection), bytes);
    }
    static std::string bundled() { return readBytes(FLINTORA_SOURCE_DIR "/assets/Kindlet.ini"); }

    TempFolder home, first, second;

private:
    static void restore(const char *name, const std::optional<QByteArray> &value)
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    static std::optional<QByteArray> saved(const char *name)
    {
        if (!qEnvironmentVariableIsSet(name))
            return std::nullopt;
        return qgetenv(name);
    }
    std::optional<QByteArray> savedHome = saved("XDG_DATA_HOME");
    std::optional<QByteArray> savedDirs = saved("XDG_DATA_DIRS");
};

TEST_F(CollectionSeed, WithoutAnInstalledCollectionTheCompiledInOneIsUsed)
{
    ASSERT_FALSE(bundled().empty());
    EXPECT_EQ(seedCollection(), bundled());
}

TEST_F(CollectionSeed, AnInstalledCollectionInAnyDataFolderIsPreferred)
{
    install(second, "[Settings]\r\n[Distributor's puzzle]\r\n");
    EXPECT_EQ(seedCollection(), "[Settings]\r\n[Distributor's puzzle]\r\n");
}

TEST_F(CollectionSeed, ACollectionBesideTheProgramComesFirstUnlessItIsEmpty)
{
    install(first, "[Settings]\r\n[Installed]\r\n");
    writeBytes(home.file("beside.ini"), "[Settings]\r\n[Beside]\r\n");
    writeBytes(home.file("empty.ini"), "");
    EXPECT_EQ(seedCollection(home.file("beside.ini")), "[Settings]\r\n[Beside]\r\n");
    EXPECT_EQ(seedCollection(home.file("empty.ini")), "[Settings]\r\n[Installed]\r\n");
}

TEST_F(CollectionSeed, AnEmptyInstalledCollectionFallsBackToTheCompiledInOne)
{
    install(first, "");
    EXPECT_EQ(seedCollection(), bundled());
}

TEST_F(CollectionSeed, AnUnreadableInstalledCollectionFallsBackToTheCompiledInOne)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root can read everything";
    install(first, "[Settings]\r\n");
    std::filesystem::permissions(first.file(InstalledCollection), std::filesystem::perms::none);
    EXPECT_EQ(seedCollection(), bundled());
}

} // namespace
} // namespace board
