#include "storage/FileIObas.h"
#include "storage/ProfileStore.h"
#include "storage/PuzzleCollection.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace storage;
using namespace std::string_literals;

namespace {

class RecordingHandler
{
public:
    RecordingHandler()
    {
        setErrorHandler([this](const std::string &m) { messages.push_back(m); });
    }
    ~RecordingHandler() { setErrorHandler(nullptr); }
    std::vector<std::string> messages;
};

const std::string original = "[A]\r\nk=v\r\n";

void expectFailedWrite(const std::string &path, const std::string &before)
{
    RecordingHandler handler;
    EXPECT_EQ(WriteProfileString("A", std::string("k"), std::string("new"), path), "") << path;
    EXPECT_EQ(handler.messages, std::vector<std::string>{"ERROR 1"}) << path;
    if (!before.empty()) {
        EXPECT_EQ(readBytes(path), before) << path;
    }
}

TEST(ProfileFailure, PathThatIsAFolderIsReportedAndUnchanged)
{
    TempFolder folder;
    expectFailedWrite(folder.path(), "");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path()));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(ProfileFailure, UnwritablePlacesAreReported)
{
    TempFolder folder;
    expectFailedWrite(folder.file("no-such-folder/Kindlet.ini"), "");
    expectFailedWrite("/proc/flintora-test.ini", "");
    EXPECT_FALSE(std::filesystem::exists(folder.file("no-such-folder")));
}

TEST(ProfileFailure, UnreadableRecordIsReportedOnceAndEmpty)
{
    TempFolder folder;
    RecordingHandler handler;
    const PuzzleRecord record = LoadPuzzleRecord(folder.path(), "Any");
    EXPECT_EQ(handler.messages, std::vector<std::string>{"ERROR 1"});
    EXPECT_TRUE(record.puzzle.empty());
    EXPECT_TRUE(record.solution.empty());
    EXPECT_EQ(record.instructions, "");
}

// The profile rules here are for single-byte and UTF-8 text: a UTF-16 file
// is reported to every reader and never overwritten.
TEST(ProfileFailure, Utf16FileIsReportedAndKept)
{
    for (const std::string mark : {"\xFF\xFE", "\xFE\xFF"}) {
        TempFolder folder;
        const std::string path = folder.file("Kindlet.ini");
        const std::string bytes = mark + "[\0A\0]\0\r\0\n\0k\0=\0v\0"s;
        writeBytes(path, bytes);
        {
            RecordingHandler handler;
            EXPECT_EQ(ReadProfileString("A", "k", "d", 255, path), "");
            EXPECT_TRUE(ListPuzzleTitles(path).empty());
            EXPECT_EQ(handler.messages, (std::vector<std::string>{"ERROR 1", "ERROR 1"}));
        }
        expectFailedWrite(path, bytes);
    }
}

TEST(ProfileFailure, ReadOnlyFileAndFolderAreReportedAndUnchanged)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind root";
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(path, original);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    expectFailedWrite(path, original);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    expectFailedWrite(path, original);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
}

TEST(ProfileReplace, KeepsPermissionsAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(path, original);
    ::chmod(path.c_str(), 0640);
    struct stat before;
    ::stat(path.c_str(), &before);
    EXPECT_EQ(WriteProfileString("A", std::string("k"), std::string("w"), path), "1");
    struct stat after;
    ::stat(path.c_str(), &after);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_NE(after.st_ino, before.st_ino); // replaced, not rewritten in place
    int entries = 0;
    for (const auto &entry : std::filesystem::directory_iterator(folder.path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(ProfileReplace, KeepsOwnerAndGroup)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(path, original);
    constexpr uid_t player = 4321;
    constexpr gid_t players = 4322;
    if (::chown(path.c_str(), player, players) != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    EXPECT_EQ(WriteProfileString("A", std::string("k"), std::string("w"), path), "1");
    struct stat after;
    ::stat(path.c_str(), &after);
    EXPECT_EQ(after.st_uid, player);
    EXPECT_EQ(after.st_gid, players);
}

// Another program replacing the file just after our write must be seen, not
// masked by the stamp of our own write.
TEST(ProfileReplace, ChangeRightAfterOurWriteIsSeen)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(path, original);
    setReplaceHook([&] {
        writeBytes(path + ".other", "[A]\r\nk=other\r\n");
        std::filesystem::rename(path + ".other", path);
    });
    WriteProfileString("A", std::string("k"), std::string("ours"), path);
    setReplaceHook(nullptr);
    EXPECT_EQ(ReadProfileString("A", "k", "", 255, path), "other");
}

pid_t finishedProcess()
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

// What killed writers left is removed by the next write; a running
// writer's temporary and every other file stay.
TEST(ProfileReplace, StaleTemporariesAreRemoved)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(path, original);
    const std::string dead = std::to_string(finishedProcess());
    const std::string running = std::to_string(::getpid());
    struct Case
    {
        std::string name;
        bool old;
        bool removed;
    };
    const Case cases[] = {
        {".Kindlet.ini.tmp-" + dead + "-a1B2c3", false, true},
        {".Kindlet.ini.tmp-" + running + "-a1B2c3", false, false},
        {".Kindlet.ini.tmp-" + running + "-d4E5f6", true, true},
        {".Other.ini.tmp-" + dead + "-a1B2c3", false, false},
        {".Kindlet.ini.backup", true, false},
    };
    for (const Case &c : cases) {
        writeBytes(folder.file(c.name), "left over");
        if (c.old)
            std::filesystem::last_write_time(folder.file(c.name),
                                             std::filesystem::file_time_type::clock::now() -
                                                 std::chrono::hours(2));
    }
    EXPECT_EQ(WriteProfileString("A", std::string("k"), std::string("w"), path), "1");
    for (const Case &c : cases)
        EXPECT_EQ(std::filesystem::exists(folder.file(c.name)), !c.removed) << c.name;
}

TEST(ProfileReplace, UnchangedValueDoesNotTouchTheFile)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(path, original);
    const std::uint64_t before = profileReplacementCount();
    EXPECT_EQ(WriteProfileString("a", std::string("K"), std::string("v"), path), "1");
    EXPECT_EQ(profileReplacementCount(), before);
}

TEST(ProfileReplace, FollowsASymbolicLink)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(folder.file("real.ini"), original);
    std::filesystem::create_symlink("real.ini", path);
    WriteProfileString("A", std::string("k"), std::string("w"), path);
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(readBytes(folder.file("real.ini")), "[A]\r\nk=w\r\n");
}

TEST(ProfileReplace, DanglingLinkIsReportedNotReplaced)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    std::filesystem::create_symlink("gone.ini", path);
    expectFailedWrite(path, "");
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_FALSE(std::filesystem::exists(folder.file("gone.ini")));
}

// Two running copies must not lose each other's keys.
TEST(ProfileLocking, ConcurrentWritersKeepEveryKey)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    constexpr int writers = 2;
    constexpr int keysEach = 40;
    std::vector<pid_t> children;
    for (int w = 0; w < writers; ++w) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0; i < keysEach; ++i)
                WriteProfileString("S", "w" + std::to_string(w) + "k" + std::to_string(i), "x",
                                   path);
            ::_exit(0);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int w = 0; w < writers; ++w)
        for (int i = 0; i < keysEach; ++i)
            EXPECT_EQ(ReadProfileString("S", "w" + std::to_string(w) + "k" + std::to_string(i),
                                        "lost", 5, path),
                      "x");
}

// A writer that keeps the lock (a hung copy of the program) costs one failed
// write, not a frozen window.
TEST(ProfileLocking, LockHeldTooLongFailsTheWrite)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(path, original);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        ::flock(::open(folder.path().c_str(), O_RDONLY | O_DIRECTORY), LOCK_EX);
        if (::write(ready[1], "x", 1) == 1)
            ::sleep(5); // long enough to show a write that waits for it
        ::_exit(0);
    }
    char byte;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    setLockWaitLimit(std::chrono::milliseconds(100));
    expectFailedWrite(path, original);
    setLockWaitLimit(defaultLockWaitLimit);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
}

// A file is always one of the complete versions, whatever moment a writer
// is killed at.
TEST(ProfileReplace, KilledWriterNeverLeavesAHalfFile)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    const std::string filler(20000, 'f');
    std::mt19937 random(7);
    for (int round = 0; round < 12; ++round) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0;; ++i)
                WriteProfileString("S", "k", filler + std::to_string(i % 2), path);
        }
        ::usleep(2000 + random() % 60000);
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const std::string bytes = readBytes(path);
        if (bytes.empty())
            continue; // killed before the first replacement
        EXPECT_TRUE(bytes == "[S]\r\nk=" + filler + "0\r\n" ||
                    bytes == "[S]\r\nk=" + filler + "1\r\n")
            << "round " << round << ": " << bytes.size() << " bytes";
    }
}

} // namespace
