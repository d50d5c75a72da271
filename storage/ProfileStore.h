// ProfileStore -- parsed profile files kept in memory by path, and safe
// replacement of a file for every edit.
//
// A cached file is checked against the disk (size, modification time in
// nanoseconds, inode) before each use, so edits by another program are seen.
// Edits run under an advisory lock on the file's folder and replace the file
// atomically: a crash leaves either the old or the new file, whole.
#pragma once

#include "storage/ProfileDocument.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace storage {

// The current contents of the file; an empty document for a missing file;
// nullptr when the file cannot be read.
std::shared_ptr<const ProfileDocument> loadProfile(const std::string &path);

// Runs edit on the current contents under the lock and, when it reports a
// change, replaces the file once. False when reading or writing failed; the
// file is then exactly as it was.
bool editProfile(const std::string &path, const std::function<bool(ProfileDocument &)> &edit);

// Counts file replacements, so callers can check that a batch of edits
// touched the disk once.
std::uint64_t profileReplacementCount();

// Shows "ERROR 1" through the installed handler.
void reportProfileError();

} // namespace storage
