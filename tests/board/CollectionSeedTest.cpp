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
// machine's nor the player's own files take part. Nothing else the tests
// run reads the data folders.
class CollectionSeed : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.path()));
        qputenv("XDG_DATA_DIRS", QByteArray::fromStdString(first.path() + ":" + second.path()));
    }
    static void install(const TempFolder &dataDir, const std::string &bytes)
    {
        std::filesystem::create_directories(dataDir.file("flintora"));
        writeBytes(dataDir.file(InstalledCollection), bytes);
    }
    static std::string bundled() { return readBytes(FLINTORA_SOURCE_DIR "/assets/Kindlet.ini"); }

    TempFolder home, first, second;
};

// The first collection that reads as something wins: beside the program,
// then installed in any data folder, then compiled in.
TEST_F(CollectionSeed, TheFirstCollectionThatReadsAsSomethingSeeds)
{
    const std::string beside = "[Settings]\r\n[Beside]\r\n";
    const std::string installed = "[Settings]\r\n[Installed]\r\n";
    struct Case
    {
        const char *name;
        std::optional<std::string> besideProgram, inFirst, inSecond;
        std::string expected;
    } cases[] = {
        {"nothing found", {}, {}, {}, bundled()},
        {"installed in the second folder", {}, {}, installed, installed},
        {"an empty install", {}, std::string(), {}, bundled()},
        {"beside the program first", beside, installed, {}, beside},
        {"an empty file beside it", std::string(), installed, {}, installed},
    };
    for (const Case &c : cases) {
        std::filesystem::remove_all(first.file("flintora"));
        std::filesystem::remove_all(second.file("flintora"));
        if (c.inFirst)
            install(first, *c.inFirst);
        if (c.inSecond)
            install(second, *c.inSecond);
        if (c.besideProgram)
            writeBytes(home.file("beside.ini"), *c.besideProgram);
        EXPECT_EQ(seedCollection(c.besideProgram ? home.file("beside.ini") : std::string()),
                  c.expected)
            << c.name;
    }
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
