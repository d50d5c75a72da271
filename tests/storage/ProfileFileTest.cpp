#include "storage/FileIObas.h"
#include "storage/FolderLock.h"
#include "storage/ProfileStore.h"
#include "storage/PuzzleCollection.h"

#include "TempFolder.h"

#include <csignal>
#include <limits>
#include <map>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace storage;
using namespace std::string_literals;

namespace {

// Keeps every error report for as long as it lives.
struct RecordingHandler
{
    RecordingHandler()
    {
        setErrorHandler([this](const std::string &m) { messages.push_back(m); });
    }
    ~RecordingHandler() { setErrorHandler(nullptr); }
    std::vector<std::string> messages;
};

const std::string original = "[A]\r\nk=v\r\n";
const std::string notes = "; no section, so readers find nothing\r\n";
const std::string utf16 = "[\0A\0]\0\r\0\n\0k\0=\0v\0"s;

std::string writeKey(const std::string &path, const std::string &value = "new")
{
    return WriteProfileString("A", std::string("k"), value, path);
}

// Every entry below the folder with its bytes or link target, to show that
// a failed write changed nothing.
std::map<std::string, std::string> contentsOf(const std::string &folder)
{
    std::map<std::string, std::string> contents;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string path = entry.path().string();
        if (entry.is_symlink())
            contents[path] = "-> " + std::filesystem::read_symlink(path).string();
        else
            contents[path] = entry.is_directory() ? "/" : readBytes(path);
    }
    return contents;
}

struct stat statOf(const std::string &path)
{
    struct stat st = {};
    ::stat(path.c_str(), &st);
    return st;
}

using Folder = const TempFolder &;

// The made file, once the permissions of cut allow only reading.
std::string readOnly(const std::string &made, const std::string &cut)
{
    std::filesystem::permissions(cut, std::filesystem::perms::owner_read |
                                          std::filesystem::perms::owner_exec);
    return made;
}

struct FailureCase
{
    const char *name;
    std::string (*place)(Folder folder); // makes it; returns the path to use
    bool unreadable;                     // else the file is readable or missing
    bool onlyForUsers;                   // file permissions do not bind root
};

// A write that fails is reported once and leaves every file as it was. Each
// reader of a file that cannot be read gets empty text and one report; of a
// missing file, the default and none.
const FailureCase failureCases[] = {
    // clang-format off
    {"a folder", [](Folder f) { return f.path(); }, true, false},
    {"a missing folder", [](Folder f) { return f.file("none/Kindlet.ini"); }, false, false},
    {"a place nobody may create files in", [](Folder) { return "/proc/a.ini"s; }, false, false},
    {"a UTF-16 LE file", [](Folder f) { return f.collection("\xFF\xFE" + utf16); }, true, false},
    {"a UTF-16 BE file", [](Folder f) { return f.collection("\xFE\xFF" + utf16); }, true, false},
    {"a link to nothing", [](Folder f) { std::filesystem::create_symlink("gone.ini", f.file("Kindlet.ini")); return f.file("Kindlet.ini"); }, false, false},
    {"a read-only file", [](Folder f) { return readOnly(f.collection(notes), f.file("Kindlet.ini")); }, false, true},
    {"a read-only folder", [](Folder f) { return readOnly(f.collection(notes), f.path()); }, false, true},
    // clang-format on
};

using ProfileFailure = testing::TestWithParam<FailureCase>;

TEST_P(ProfileFailure, IsReportedOnceAndChangesNothing)
{
    const FailureCase &c = GetParam();
    if (c.onlyForUsers && ::geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind root";
    TempFolder folder;
    const std::string path = c.place(folder);
    const auto before = contentsOf(folder.path());
    RecordingHandler handler;
    EXPECT_EQ(writeKey(path), "");
    EXPECT_EQ(ReadProfileString("A", "none", "d", 255, path), c.unreadable ? "" : "d");
    SectionNames = {"stale"};
    GetSectionNames(path);
    EXPECT_EQ(SectionNames, std::vector<std::string>{""});
    LoadPuzzleRecord(path, "A");
    EXPECT_EQ(handler.messages, std::vector<std::string>(c.unreadable ? 4 : 1, "ERROR 1"));
    EXPECT_EQ(contentsOf(folder.path()), before);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileFailure, testing::ValuesIn(failureCases),
                         rowName<FailureCase>);

// The replacement is a new file, never one rewritten in place, so a crash
// cannot leave half of it. It keeps what the player set up: a symbolic
// link, the mode and, when root writes, the owner and group. No temporary
// stays.
TEST(ProfileReplace, KeepsTheSetupAndLeavesNoTemporary)
{
    TempFolder folder;
    const std::string real = folder.file("real.ini");
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(real, original);
    std::filesystem::create_symlink("real.ini", path);
    constexpr uid_t player = 4321;
    constexpr gid_t players = 4322;
    const bool givenAway = ::chown(real.c_str(), player, players) == 0; // root only
    ::chmod(real.c_str(), 0640);
    const struct stat before = statOf(real);
    EXPECT_EQ(writeKey(path, "w"), "1");
    const struct stat after = statOf(real);
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(readBytes(real), "[A]\r\nk=w\r\n");
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, givenAway ? player : before.st_uid);
    EXPECT_EQ(after.st_gid, givenAway ? players : before.st_gid);
    EXPECT_EQ(contentsOf(folder.path()).size(), 2u);
}

// A cached file is checked against the disk before each use: a change of
// the same size may show only in the inode, or only in the nanoseconds.
// Another program replacing the file just after our write must not be
// masked by the stamp of our own write.
TEST(ProfileCache, OutsideChangesAreSeen)
{
    TempFolder folder;
    const std::string path = folder.collection("[S]\r\nk=one\r\n");
    const auto value = [&] {
        return ReadProfileString("S", "k", "gone", 255, path);
    };
    const auto replace = [&](const std::string &bytes) {
        writeBytes(path + ".new", bytes);
        std::filesystem::rename(path + ".new", path);
    };
    EXPECT_EQ(value(), "one");
    const auto written = std::filesystem::last_write_time(path);
    replace("[S]\r\nk=two\r\n");
    std::filesystem::last_write_time(path, written); // only the inode tells
    EXPECT_EQ(value(), "two");
    writeBytes(path, "[S]\r\nk=six\r\n");
    std::filesystem::last_write_time(path, written + std::chrono::nanoseconds(1));
    EXPECT_EQ(value(), "six");
    setReplaceHook([&] { replace("[S]\r\nk=other\r\n"); });
    WriteProfileString("S", "k", "ours", path);
    setReplaceHook(nullptr);
    EXPECT_EQ(value(), "other");
    std::filesystem::remove(path);
    EXPECT_EQ(value(), "gone");
}

// What killed writers left is removed by the next write; a running
// writer's temporary and every other file stay.
TEST(ProfileReplace, StaleTemporariesAreRemoved)
{
    TempFolder folder;
    const std::string path = folder.collection(original);
    // Above any process id Linux hands out, so never a running writer.
    const std::string dead = std::to_string(std::numeric_limits<pid_t>::max());
    const std::string running = std::to_string(::getpid());
    // clang-format off
    const struct { std::string name; bool old, removed; } cases[] = {
        {".Kindlet.ini.tmp-" + dead + "-a1B2c3", false, true},
        {".Kindlet.ini.tmp-" + running + "-a1B2c3", false, false},
        {".Kindlet.ini.tmp-" + running + "-d4E5f6", true, true},
        {".Other.ini.tmp-" + dead + "-a1B2c3", false, false},
        {".Kindlet.ini.backup", true, false},
    };
    // clang-format on
    const auto twoHoursAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(2);
    for (const auto &c : cases) {
        writeBytes(folder.file(c.name), "left over");
        if (c.old)
            std::filesystem::last_write_time(folder.file(c.name), twoHoursAgo);
    }
    EXPECT_EQ(writeKey(path), "1");
    for (const auto &c : cases)
        EXPECT_EQ(std::filesystem::exists(folder.file(c.name)), !c.removed) << c.name;
}

// Two running copies must not lose each other's keys.
TEST(ProfileLocking, ConcurrentWritersKeepEveryKey)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    constexpr int writers = 2;
    constexpr int keysEach = 40;
    const auto key = [](int w, int i) {
        return "w" + std::to_string(w) + "k" + std::to_string(i);
    };
    std::vector<pid_t> children;
    for (int w = 0; w < writers; ++w) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0; i < keysEach; ++i)
                WriteProfileString("S", key(w, i), "x", path);
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
            EXPECT_EQ(ReadProfileString("S", key(w, i), "lost", 5, path), "x");
}

// A writer that keeps the lock (a hung copy of the program) costs one failed
// write, not a frozen window.
TEST(ProfileLocking, LockHeldTooLongFailsTheWrite)
{
    TempFolder folder;
    const std::string path = folder.collection(original);
    pid_t holder = 0;
    {
        const FolderLock lock(folder.path(), std::chrono::milliseconds(0));
        ASSERT_TRUE(lock.held());
        holder = ::fork();
        if (holder == 0) {
            ::sleep(5); // holds the inherited lock long enough to show a write that waits
            ::_exit(0);
        }
    }
    setLockWaitLimit(std::chrono::milliseconds(100));
    RecordingHandler handler;
    EXPECT_EQ(writeKey(path), "");
    setLockWaitLimit(defaultLockWaitLimit);
    EXPECT_EQ(handler.messages, std::vector<std::string>{"ERROR 1"});
    EXPECT_EQ(readBytes(path), original);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
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
        if (pid == 0)
            for (int i = 0;; ++i)
                WriteProfileString("S", "k", filler + std::to_string(i % 2), path);
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
