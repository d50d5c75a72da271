// Cp1252 -- conversion between UTF-8 and the Windows-1252 bytes of the file.
#pragma once

#include <optional>
#include <string>

namespace storage {

// Every byte has a character; the five bytes Windows leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same number.
std::string cp1252ToUtf8(const std::string &bytes);

// Nothing when the text is not valid UTF-8 or holds a character that
// Windows-1252 cannot store.
std::optional<std::string> utf8ToCp1252Exact(const std::string &text);

// As Windows does for its ANSI calls: unstorable characters become "?".
std::string utf8ToCp1252(const std::string &text);

} // namespace storage
