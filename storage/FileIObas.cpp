#include "storage/FileIObas.h"

#include "storage/ProfileRead.h"
#include "storage/ProfileStore.h"

namespace storage {

std::vector<std::string> SectionNames{std::string()};

namespace {

std::string withoutEnclosingQuotes(const std::string &value)
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

// The first count characters of UTF-8 text; a character is its lead byte
// with the continuation bytes that follow.
std::string firstCharacters(const std::string &text, std::int64_t count)
{
    std::size_t end = 0;
    for (; end < text.size(); ++end) {
        const bool lead = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
        if (lead && count-- == 0)
            break;
    }
    return text.substr(0, end);
}

bool holdsLineBreakOrNul(const std::string &text)
{
    return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

// Text that would not stay on its one line, or a key that would end early
// at its own "=" or read as a section line, cannot be stored; refusing
// keeps the file sound. The rules are on ASCII, so they hold in any
// encoding of the file.
std::optional<std::string> lineProblem(const std::string &section,
                                       const std::optional<std::string> &key,
                                       const std::optional<std::string> &value)
{
    for (const std::string *text : {&section, key ? &*key : nullptr, value ? &*value : nullptr})
        if (text && holdsLineBreakOrNul(*text))
            return "a line break or NUL cannot stay on its line";
    if (key && key->find('=') != std::string::npos)
        return "a key holding \"=\" would end at it";
    if (key && trimBlanks(*key).substr(0, 1) == "[")
        return "a key starting with \"[\" would read as a section line";
    return std::nullopt;
}

// In a Windows-1252 file, text outside that code page would come back as
// "?"; a UTF-8 file holds any text.
std::optional<std::string> encodingProblem(const std::string &text, const ProfileDocument &document)
{
    if (document.fromFileText(document.toFileText(text)) == text)
        return std::nullopt;
    return "\"" + text + "\" holds text that Windows-1252 cannot store";
}

} // namespace

std::string readProfileValue(const ProfileDocument &document, const std::string &section,
                             const std::string &key, const std::string &defaultValue,
                             std::int64_t size)
{
    if (size <= 0)
        return {};
    std::string_view value;
    if (document.findValue(document.toFileText(section), document.toFileText(key), value))
        return withoutEnclosingQuotes(firstCharacters(document.fromFileText(value), size - 1));
    const std::string fallback = document.toFileText(defaultValue);
    return firstCharacters(document.fromFileText(withoutTrailingSpaces(fallback)), size - 1);
}

std::string ReadProfileString(const std::string &section, const std::string &key,
                              const std::string &defaultValue, std::int64_t size,
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
    if (lineProblem(section, key, value))
        return "0";
    const bool written = editProfile(path, [&](ProfileDocument &document) {
        const std::string sectionBytes = document.toFileText(section);
        if (!key)
            return document.removeSection(sectionBytes);
        const std::string keyBytes = document.toFileText(*key);
        if (!value)
            return document.removeKey(sectionBytes, keyBytes);
        return document.setValue(sectionBytes, keyBytes, document.toFileText(*value));
    });
    if (!written) {
        reportProfileError();
        return {};
    }
    return "1";
}

std::optional<std::string> WriteProblem(const std::string &section,
                                        const std::optional<std::string> &key,
                                        const std::optional<std::string> &value,
                                        const std::string &path)
{
    if (std::optional<std::string> problem = lineProblem(section, key, value))
        return problem;
    const std::shared_ptr<const ProfileDocument> document = loadProfile(path);
    if (!document)
        return std::nullopt; // the write itself reports the file
    for (const std::string *text : {&section, key ? &*key : nullptr, value ? &*value : nullptr}) {
        if (!text)
            continue;
        if (std::optional<std::string> problem = encodingProblem(*text, *document))
            return problem;
    }
    return std::nullopt;
}

std::vector<std::string> SectionLineNames(const std::string &path)
{
    const std::shared_ptr<const ProfileDocument> document = loadProfile(path);
    if (!document) {
        reportProfileError();
        return {};
    }
    std::vector<std::string> names = scanSectionLines(document->bytes());
    for (std::string &name : names)
        name = document->fromFileText(name);
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
