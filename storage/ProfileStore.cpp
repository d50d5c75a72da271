#include "storage/ProfileStore.h"

#include "storage/FileIObas.h"
#include "storage/FolderLock.h"
#include "storage/TempFiles.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace storage {
namespace {

ErrorHandler errorHandler;
std::function<void()> replaceHook;
std::chrono::milliseconds lockWaitLimit = defaultLockWaitLimit;
std::uint64_t replacements = 0;

struct FileStamp
{
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec mtime{};
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;

    bool sameAs(const FileStamp &o) const
    {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
               mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec;
    }
};

struct CachedFile
{
    FileStamp stamp;
    std::shared_ptr<const ProfileDocument> document;
};

std::map<std::string, CachedFile> cache;

FileStamp stampOf(const struct stat &st)
{
    return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_mode, st.st_uid, st.st_gid};
}

std::string notRegularProblem(const struct stat &st)
{
    return S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "not a regular file";
}

// Stamp of the file at path; false, with the reason, on an error other
// than a missing file.
bool currentStamp(const std::string &path, FileStamp &stamp, std::string &problem)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        stamp = {};
        if (errno == ENOENT)
            return true;
        problem = std::strerror(errno);
        return false;
    }
    stamp = stampOf(st);
    if (!S_ISREG(st.st_mode)) {
        problem = notRegularProblem(st);
        return false;
    }
    return true;
}

bool readWhole(int fd, std::string &bytes)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

// The profile rules here are those of single-byte and UTF-8 text; reading
// UTF-16 as either would find nothing and let a write garble the file.
bool isUtf16(const std::string &bytes)
{
    const std::string start = bytes.substr(0, 2);
    return start == "\xFF\xFE" || start == "\xFE\xFF";
}

// Why the open file cannot be read as a profile, or the empty text.
std::string readOpenFile(int fd, struct stat &st, std::string &bytes)
{
    if (::fstat(fd, &st) != 0)
        return std::strerror(errno);
    if (!S_ISREG(st.st_mode))
        return notRegularProblem(st);
    if (!readWhole(fd, bytes))
        return std::strerror(errno);
    if (isUtf16(bytes))
        return "UTF-16 text cannot be read; save the file as ANSI or UTF-8";
    return {};
}

std::shared_ptr<const ProfileDocument> readFile(const std::string &path, FileStamp &stamp,
                                                std::string &problem)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) {
            problem = std::strerror(errno);
            return nullptr;
        }
        stamp = {};
        return std::make_shared<const ProfileDocument>();
    }
    struct stat st;
    std::string bytes;
    problem = readOpenFile(fd, st, bytes);
    ::close(fd);
    if (!problem.empty())
        return nullptr;
    stamp = stampOf(st);
    return std::make_shared<const ProfileDocument>(std::move(bytes));
}

// The cached entry of path, brought up to date; nullptr, with the reason,
// when the file cannot be read.
const CachedFile *loadCached(const std::string &path, std::string &problem)
{
    FileStamp stamp;
    if (!currentStamp(path, stamp, problem)) {
        cache.erase(path);
        return nullptr;
    }
    const auto it = cache.find(path);
    if (it != cache.end() && it->second.stamp.sameAs(stamp))
        return &it->second;
    std::shared_ptr<const ProfileDocument> document = readFile(path, stamp, problem);
    if (!document) {
        cache.erase(path);
        return nullptr;
    }
    CachedFile &entry = cache[path];
    entry = {stamp, std::move(document)};
    return &entry;
}

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string &path)
{
    return path.substr(path.rfind('/') + 1);
}

bool writeAll(int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The new file keeps the old one's owner, group and mode: a write by root
// must leave the player's file the player's. Only root may give a file
// away, so anyone else keeps it as their own.
bool takeOver(int fd, const FileStamp &old)
{
    if (!old.exists)
        return ::fchmod(fd, newFileMode()) == 0;
    if (::fchown(fd, old.owner, old.group) != 0 && errno != EPERM)
        return false;
    return ::fchmod(fd, old.mode & 07777) == 0;
}

// The stamp of the written file comes from the temporary itself: taken by
// path after the rename, it could be that of a file another program put
// there in the meantime, whose change would then go unseen.
bool stampOfDescriptor(int fd, FileStamp &stamp)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return false;
    stamp = stampOf(st);
    return true;
}

void syncFolder(const std::string &folder)
{
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

// Writes a temporary file beside the target and renames it over the target.
bool replaceFile(const std::string &path, const std::string &bytes, const FileStamp &old,
                 FileStamp &written)
{
    const std::string folder = folderOf(path);
    std::string temp;
    const int fd = createTemporary(folder, nameOf(path), temp);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes) && takeOver(fd, old) && ::fsync(fd) == 0 &&
              stampOfDescriptor(fd, written);
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(folder);
    ++replacements;
    return true;
}

// The file a write replaces: the target of a symbolic link, not the link,
// or the path itself for a file yet to be made. False for a link to
// nothing: making its target could land anywhere, and replacing the link
// would undo the player's setup.
bool writeTarget(const std::string &path, std::string &target)
{
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved)) {
        target = resolved;
        return true;
    }
    struct stat st;
    target = path;
    return errno == ENOENT && ::lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

} // namespace

void setErrorHandler(ErrorHandler handler)
{
    errorHandler = std::move(handler);
}

void reportProfileError()
{
    if (errorHandler)
        errorHandler("ERROR 1");
}

void setLockWaitLimit(std::chrono::milliseconds limit)
{
    lockWaitLimit = limit;
}

void setReplaceHook(std::function<void()> hook)
{
    replaceHook = std::move(hook);
}

std::shared_ptr<const ProfileDocument> loadProfile(const std::string &path)
{
    std::string problem;
    const CachedFile *file = loadCached(path, problem);
    return file ? file->document : nullptr;
}

std::optional<std::string> profileReadProblem(const std::string &path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return std::string(std::strerror(errno));
    std::string problem;
    if (!loadCached(path, problem))
        return problem;
    return std::nullopt;
}

bool editProfile(const std::string &path, const std::function<bool(ProfileDocument &)> &edit)
{
    std::string target;
    if (!writeTarget(path, target))
        return false;
    FolderLock lock(folderOf(target), lockWaitLimit);
    if (!lock.held())
        return false;
    removeStaleTemporaries(folderOf(target), nameOf(target));
    std::string problem;
    const CachedFile *current = loadCached(target, problem);
    if (!current || (current->stamp.exists && ::access(target.c_str(), W_OK) != 0))
        return false;
    const FileStamp old = current->stamp;
    ProfileDocument edited = *current->document;
    if (!edit(edited))
        return true;
    FileStamp written;
    if (!replaceFile(target, edited.bytes(), old, written))
        return false;
    if (replaceHook)
        replaceHook();
    // Keeping the document spares a parse; the stamp still tells a later
    // change by another program.
    cache.erase(path);
    cache[target] = {written, std::make_shared<const ProfileDocument>(std::move(edited))};
    return true;
}

std::uint64_t profileReplacementCount()
{
    return replacements;
}

} // namespace storage
