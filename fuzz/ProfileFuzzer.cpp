// Feeds arbitrary bytes to the profile parser and its edits; every lookup and
// edit must stay within the bytes, and an edited file must index exactly as
// the same bytes parsed afresh.
#include "storage/ProfileDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void requireSameAsFreshParse(const storage::ProfileDocument &edited)
{
    const storage::ProfileDocument fresh(edited.bytes());
    for (const char *section : {"S", "New", "A"}) {
        for (const char *key : {"k", "key", "x"}) {
            std::string_view a;
            std::string_view b;
            const bool found = edited.findValue(section, key, a);
            if (found != fresh.findValue(section, key, b) || (found && a != b) ||
                edited.lineNumberOf(section, key) != fresh.lineNumberOf(section, key))
                std::abort();
        }
    }
}

} // namespace

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
    requireSameAsFreshParse(edited);
    edited.setValue("A", "x", "1");
    requireSameAsFreshParse(edited);
    edited.removeKey("s", "K");
    requireSameAsFreshParse(edited);
    edited.removeSection("S");
    requireSameAsFreshParse(edited);
    edited.setValue("New", "key", " value");
    requireSameAsFreshParse(edited);
    return 0;
}
