// Feeds arbitrary bytes to the profile parser and its edits; every lookup and
// edit must stay within the bytes and leave other lines as they were.
#include "storage/ProfileDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    storage::ProfileDocument document(bytes);
    std::string_view value;
    document.findValue("S", "k", value);
    storage::scanSectionLines(bytes);
    document.lineNumberOf("S", "k");
    storage::ProfileDocument edited = document;
    edited.setValue("S", "k", "v");
    if (!edited.findValue("S", "k", value) || value != "v")
        std::abort();
    edited.removeKey("s", "K");
    edited.removeSection("S");
    edited.setValue("New", "key", " value");
    return 0;
}
