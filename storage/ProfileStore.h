// ProfileStore -- parsed profile files kept in memory by path, and safe
// replacement of a file for every edit.
//
// A cached file is checked against the disk (size, modification time in
// nanoseconds, inode) before each use, so edits by another program are seen.
// Edits run under an advisory lock on the file's folder and replace the file
// atomically: a crash leaves either the old or the new file, whole.
#pragma once

#include "storage/ProfileDocument.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace storage {

// The current contents of the file; an empty document for a missing file;
// nullptr when the file cannot be read (a UTF-16 file among them).
std::shared_ptr<const ProfileDocument> loadProfile(const std::string &path);

// Why the file at path cannot be read, a missing file included, or nothing
// when it can.
std::optional<std::string> profileReadProblem(const std::string &path);

// Runs edit on the current contents under the lock and, when it reports a
// change, replaces the file once, keeping its owner, group and mode; a
// symbolic link is written through. False when reading or writing failed,
// when the lock stayed taken past the wait limit, or when the path is a
// link to nothing; the file is then exactly as it was.
bool editProfile(const std::string &path, const std::function<bool(ProfileDocument &)> &edit);

// How long an edit waits for another writer's lock before it gives up.
constexpr std::chrono::milliseconds defaultLockWaitLimit{3000};

// Shows "ERROR 1" through the installed handler.
void reportProfileError();

// For tests only.

void setLockWaitLimit(std::chrono::milliseconds limit);

// Runs right after each replacement, still under the lock, as another
// program replacing the file at that moment would.
void setReplaceHook(std::function<void()> hook);

// Counts file replacements, so a test can check that a batch of edits
// touched the disk once.
std::uint64_t profileReplacementCount();

} // namespace storage
