#include "storage/FolderLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace storage {
namespace {

// Short enough that a waiting write hardly notices, long enough not to spin.
constexpr std::chrono::milliseconds retryPause{5};

// Polls instead of blocking, so that a holder that never lets go (a hung
// copy of the program) costs one failed write, not a frozen window.
bool lockWithin(int fd, std::chrono::milliseconds waitLimit)
{
    const auto deadline = std::chrono::steady_clock::now() + waitLimit;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(retryPause);
    }
}

} // namespace

FolderLock::FolderLock(const std::string &folder, std::chrono::milliseconds waitLimit)
    : m_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (m_fd >= 0 && !lockWithin(m_fd, waitLimit)) {
        ::close(m_fd);
        m_fd = -1;
    }
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace storage
