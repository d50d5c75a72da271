#include "storage/FileIObas.h"

#include "storage/Cp1252.h"
#include "storage/ProfileRead.h"
#include "storage/ProfileStore.h"

namespace storage {

std::vector<std::string> SectionNames{std::string()};

namespace {

std::string_view withoutEnclosingQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string_view withoutTrailingSpaces(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool holdsLineBreak(const std::string &text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

// Texts that would not stay on their one line, or a key that would end
// early at its own "=", cannot be stored; refusing keeps the file sound.
bool storable(const std::string &section, const std::optional<std::string> &key,
              const std::optional<std::string> &value)
{
    if (holdsLineBreak(section))
        return false;
    if (key && (holdsLineBreak(*key) || key->find('=') != std::string::npos))
        return false;
    return !(value && holdsLineBreak(*value));
}

} // namespace

std::string readProfileValue(const ProfileDocument &document, const std::string &section,
                             const std::string &key, const std::string &defaultValue,
                             std::int16_t size)
{
    std::string_view value;
    std::string fallback;
    if (document.findValue(utf8ToCp1252(section), utf8ToCp1252(key), value)) {
        value = withoutEnclosingQuotes(value);
    } else {
        fallback = utf8ToCp1252(defaultValue);
        value = withoutTrailingSpaces(fallback);
    }
    if (size <= 0)
        return {};
    return cp1252ToUtf8(std::string(value.substr(0, static_cast<std::size_t>(size - 1))));
}

std::string ReadProfileString(const std::string &section, const std::string &key,
                              const std::string &defaultValue, std::int16_t size,
                              const std::string &path)
{
    const std::shared_ptr<const ProfileDocument> document = loadProfile(path);
    if (!document) {
        reportProfileError();
        return {};
    }
    return readProfileValue(*document, section, key, defaultValue, size);
}

std::string WriteProfileString(const std::string &section, const std::optional<std::string> &key,
                               const std::optional<std::string> &value, const std::string &path)
{
    const std::string sectionBytes = utf8ToCp1252(section);
    const std::optional<std::string> keyBytes =
        key ? std::optional<std::string>(utf8ToCp1252(*key)) : std::nullopt;
    const std::optional<std::string> valueBytes =
        value ? std::optional<std::string>(utf8ToCp1252(*value)) : std::nullopt;
    if (!storable(sectionBytes, keyBytes, valueBytes))
        return "0";
    const bool written = editProfile(path, [&](ProfileDocument &document) {
        if (!keyBytes)
            return document.removeSection(sectionBytes);
        if (!valueBytes)
            return document.removeKey(sectionBytes, *keyBytes);
        return document.setValue(sectionBytes, *keyBytes, *valueBytes);
    });
    if (!written) {
        reportProfileError();
        return {};
    }
    return "1";
}

std::vector<std::string> SectionLineNames(const std::string &path)
{
    const std::shared_ptr<const ProfileDocument> document = loadProfile(path);
    if (!document)
        return {};
    std::vector<std::string> names = scanSectionLines(document->bytes());
    for (std::string &name : names)
        name = cp1252ToUtf8(name);
    return names;
}

void GetSectionNames(const std::string &path)
{
    std::vector<std::string> names = SectionLineNames(path);
    if (names.empty())
        names.emplace_back();
    SectionNames = std::move(names);
}

void DeleteSection(const std::string &section, const std::string &path)
{
    WriteProfileString(section, std::nullopt, std::nullopt, path);
}

} // namespace storage
