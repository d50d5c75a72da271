// FileIObas -- access to one profile (INI) file, with the rules of the
// Windows profile-string API re-created in plain C++.
//
// Text crossing this API is UTF-8; the file itself holds Windows-1252 bytes,
// so files made on Windows read here byte for byte, or UTF-8 when it starts
// with the UTF-8 mark, as some Windows editors save it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace storage {

// Names fixed by the program's design, FileIObas among them: keep them as they are.

// At most size - 1 characters of the value come back; a size below 1
// copies nothing. A file starting with the UTF-8 mark is read as UTF-8; a
// UTF-16 file cannot be read (reported, empty text).
std::string ReadProfileString(const std::string &section, const std::string &key,
                              const std::string &defaultValue, std::int64_t size,
                              const std::string &path);

// A missing key removes the whole section, a missing value removes the key.
// Returns "1", "0" for text that cannot stay on its line (a line break, a
// NUL, a key holding "=" or starting with "["; nothing is written), or the
// empty text after a failure (reported; the file is unchanged). Text is
// stored in the file's encoding; what Windows-1252 cannot hold becomes "?".
std::string WriteProfileString(const std::string &section, const std::optional<std::string> &key,
                               const std::optional<std::string> &value, const std::string &path);

// One entry per section line in file order, or a single empty entry when
// there is none. Rewritten by every GetSectionNames call.
extern std::vector<std::string> SectionNames;
void GetSectionNames(const std::string &path);

void DeleteSection(const std::string &section, const std::string &path);

// The program's own additions: free to rename.

// Called with "ERROR 1" when a read or write fails. The program installs a
// handler that shows a message box; tests install a recording one. Without a
// handler failures are silent.
using ErrorHandler = std::function<void(const std::string &message)>;
void setErrorHandler(ErrorHandler handler);

// Why WriteProfileString could not store this text in the file at path so
// that it reads back unchanged, or nothing when it can.
std::optional<std::string> WriteProblem(const std::string &section,
                                        const std::optional<std::string> &key,
                                        const std::optional<std::string> &value,
                                        const std::string &path);

// The same line scan as GetSectionNames as a plain list: empty when the
// file has no section line or cannot be read (reported unless the file is
// missing).
std::vector<std::string> SectionLineNames(const std::string &path);

} // namespace storage
