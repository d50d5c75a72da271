// FolderLock -- the advisory lock under which edits of the files in one
// folder run, so two running copies never lose each other's keys.
#pragma once

#include <chrono>
#include <string>

namespace storage {

class FolderLock
{
public:
    // Waits at most waitLimit for another holder; held() tells whether the
    // lock was taken.
    FolderLock(const std::string &folder, std::chrono::milliseconds waitLimit);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    bool held() const { return m_fd >= 0; }

private:
    int m_fd;
};

} // namespace storage
