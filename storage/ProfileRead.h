// The read rules of ReadProfileString applied to an already loaded file, so
// a caller that reads many keys at once reads one consistent snapshot.
#pragma once

#include "storage/ProfileDocument.h"

#include <cstdint>
#include <string>

namespace storage {

std::string readProfileValue(const ProfileDocument &document, const std::string &section,
                             const std::string &key, const std::string &defaultValue,
                             std::int64_t size);

} // namespace storage
