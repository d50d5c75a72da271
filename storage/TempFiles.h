// TempFiles -- the temporary files a replacement writes beside a profile
// file. Their names tell the file and the writer's process, so the ones a
// killed writer left behind can be told apart and removed.
#pragma once

#include <string>

namespace storage {

// Creates and opens a new temporary file for the file named name in folder;
// the descriptor, or -1 on failure.
int createTemporary(const std::string &folder, const std::string &name, std::string &tempPath);

// Removes the temporaries of name whose writer no longer runs or that have
// not been touched for an hour. Call it under the folder's lock.
void removeStaleTemporaries(const std::string &folder, const std::string &name);

} // namespace storage
