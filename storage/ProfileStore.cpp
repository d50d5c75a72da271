#include "storage/ProfileStore.h"

#include "storage/FileIObas.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace storage {
namespace {

ErrorHandler errorHandler;
std::uint64_t replacements = 0;

struct FileStamp
{
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec mtime{};
    mode_t mode = 0;

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
    return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_mode};
}

// Stamp of the file at path; false on an error other than a missing file.
bool currentStamp(const std::string &path, FileStamp &stamp)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        stamp = {};
        return errno == ENOENT;
    }
    stamp = stampOf(st);
    return S_ISREG(st.st_mode);
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

std::shared_ptr<const ProfileDocument> readFile(const std::string &path, FileStamp &stamp)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            return nullptr;
        stamp = {};
        return std::make_shared<const ProfileDocument>();
    }
    struct stat st;
    std::string bytes;
    const bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && readWhole(fd, bytes);
    ::close(fd);
    if (!ok)
        return nullptr;
    stamp = stampOf(st);
    return std::make_shared<const ProfileDocument>(std::move(bytes));
}

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
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

// Writes a temporary file beside the target and renames it over the target.
bool replaceFile(const std::string &path, const std::string &bytes, const FileStamp &old)
{
    const std::string folder = folderOf(path);
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temp = folder + "/." + name + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    const mode_t mode = old.exists ? (old.mode & 07777) : newFileMode();
    bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    ++replacements;
    return true;
}

// The file a write replaces: the target of a symbolic link, not the link.
std::string writeTarget(const std::string &path)
{
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved))
        return resolved;
    return path;
}

class FolderLock
{
public:
    explicit FolderLock(const std::string &folder)
        : m_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;
    bool held() const { return m_fd >= 0; }

private:
    int m_fd;
};

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

std::shared_ptr<const ProfileDocument> loadProfile(const std::string &path)
{
    FileStamp stamp;
    if (!currentStamp(path, stamp)) {
        cache.erase(path);
        return nullptr;
    }
    const auto it = cache.find(path);
    if (it != cache.end() && it->second.stamp.sameAs(stamp))
        return it->second.document;
    std::shared_ptr<const ProfileDocument> document = readFile(path, stamp);
    if (!document) {
        cache.erase(path);
        return nullptr;
    }
    cache[path] = {stamp, document};
    return document;
}

bool editProfile(const std::string &path, const std::function<bool(ProfileDocument &)> &edit)
{
    const std::string target = writeTarget(path);
    FolderLock lock(folderOf(target));
    if (!lock.held())
        return false;
    FileStamp stamp;
    if (!currentStamp(target, stamp))
        return false;
    if (stamp.exists && ::access(target.c_str(), W_OK) != 0)
        return false;
    std::shared_ptr<const ProfileDocument> current = loadProfile(target);
    if (!current)
        return false;
    stamp = cache.count(target) ? cache[target].stamp : FileStamp{};
    ProfileDocument edited = *current;
    if (!edit(edited))
        return true;
    if (!replaceFile(target, edited.bytes(), stamp))
        return false;
    // The next use re-reads the stamp; keeping the document spares a parse.
    FileStamp written;
    cache.erase(path);
    if (currentStamp(target, written) && written.exists)
        cache[target] = {written, std::make_shared<const ProfileDocument>(std::move(edited))};
    return true;
}

std::uint64_t profileReplacementCount()
{
    return replacements;
}

} // namespace storage
