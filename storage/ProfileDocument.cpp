#include "storage/ProfileDocument.h"

#include "storage/Cp1252.h"

#include <algorithm>

namespace storage {
namespace {

const std::string_view utf8Mark = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\x1A';
}

bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

char lowerChar(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerChar(a[i]) != lowerChar(b[i]))
            return false;
    return true;
}

// The name of a header line (trimmed line starting with "[" holding a "]").
bool headerName(std::string_view trimmed, std::string_view &name)
{
    if (trimmed.empty() || trimmed.front() != '[')
        return false;
    const std::size_t close = trimmed.rfind(']');
    if (close == std::string_view::npos)
        return false;
    name = trimBlanks(trimmed.substr(1, close - 1));
    return true;
}

// The name a key line gives its key: the text before its first "=", or the
// whole line when it has none (a key without a value, which reads as
// missing but is still replaced or removed by its name).
std::string_view keyName(std::string_view line)
{
    return trimBlanks(line.substr(0, line.find('=')));
}

// The text after the first "=", which ends at a NUL as the platform's
// strings do.
std::string_view valueText(std::string_view line)
{
    const std::string_view value = line.substr(line.find('=') + 1);
    return trimBlanks(value.substr(0, value.find('\0')));
}

// Where the text starts: past a leading UTF-8 mark, else at 0.
std::size_t textStart(std::string_view bytes)
{
    return bytes.substr(0, utf8Mark.size()) == utf8Mark ? utf8Mark.size() : 0;
}

} // namespace

std::string_view trimBlanks(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lowerChar);
    return out;
}

ProfileDocument::ProfileDocument(std::string bytes)
    : m_bytes(std::move(bytes))
    , m_textStart(static_cast<std::uint32_t>(textStart(m_bytes)))
{
    parse();
}

std::string ProfileDocument::toFileText(const std::string &utf8) const
{
    return isUtf8() ? utf8 : utf8ToCp1252(utf8);
}

std::string ProfileDocument::fromFileText(std::string_view bytes) const
{
    return isUtf8() ? std::string(bytes) : cp1252ToUtf8(std::string(bytes));
}

void ProfileDocument::parse()
{
    m_lines.clear();
    m_sections.clear();
    m_firstSection.clear();
    scanLines(m_textStart, m_bytes.size(), m_lines);
    indexSections(0);
}

// Adds the sections whose headers lie in lines [from, end), closing the one
// before; the last section runs to the end of the file.
void ProfileDocument::indexSections(std::uint32_t from)
{
    const auto count = static_cast<std::uint32_t>(m_lines.size());
    for (std::uint32_t i = from; i < count; ++i) {
        std::string_view name;
        if (!headerName(trimBlanks(lineText(i)), name))
            continue;
        if (!m_sections.empty())
            m_sections.back().end = i;
        m_firstSection.emplace(lowerAscii(name), static_cast<std::uint32_t>(m_sections.size()));
        m_sections.push_back({i, i + 1});
    }
    if (!m_sections.empty())
        m_sections.back().end = count;
}

std::string_view ProfileDocument::lineText(std::uint32_t line) const
{
    const Line &l = m_lines[line];
    return std::string_view(m_bytes).substr(l.begin, l.end - l.begin);
}

std::uint32_t ProfileDocument::nextLineBegin(std::uint32_t line) const
{
    return line + 1 < m_lines.size() ? m_lines[line + 1].begin
                                     : static_cast<std::uint32_t>(m_bytes.size());
}

const ProfileDocument::Section *ProfileDocument::findSection(std::string_view name) const
{
    const auto it = m_firstSection.find(lowerAscii(trimBlanks(name)));
    return it == m_firstSection.end() ? nullptr : &m_sections[it->second];
}

bool ProfileDocument::findKeyLine(const Section &section, std::string_view key,
                                  std::uint32_t &line) const
{
    const std::string_view wanted = trimBlanks(key);
    for (std::uint32_t i = section.header + 1; i < section.end; ++i) {
        const std::string_view text = lineText(i);
        const bool blankLine = trimBlanks(text).empty();
        if (!blankLine && equalNoCase(keyName(text), wanted)) {
            line = i;
            return true;
        }
    }
    return false;
}

bool ProfileDocument::findValue(std::string_view section, std::string_view key,
                                std::string_view &value) const
{
    const Section *s = findSection(section);
    std::uint32_t line = 0;
    if (!s || !findKeyLine(*s, key, line))
        return false;
    const std::string_view text = lineText(line);
    if (text.find('=') == std::string_view::npos)
        return false;
    value = valueText(text);
    return true;
}

std::size_t ProfileDocument::lineNumberOf(std::string_view section, std::string_view key) const
{
    const Section *s = findSection(section);
    std::uint32_t line = 0;
    if (!s || !findKeyLine(*s, key, line))
        return 0;
    std::size_t number = 1;
    const std::uint32_t begin = m_lines[line].begin;
    for (std::uint32_t i = 0; i < begin; ++i)
        if (m_bytes[i] == '\n' ||
            (m_bytes[i] == '\r' && (i + 1 >= begin || m_bytes[i + 1] != '\n')))
            ++number;
    return number;
}

// CR LF as on Windows, unless every line of the file ends in LF alone.
std::string ProfileDocument::lineBreak() const
{
    const bool hasLf = m_bytes.find('\n') != std::string::npos;
    const bool hasCr = m_bytes.find('\r') != std::string::npos;
    return hasLf && !hasCr ? "\n" : "\r\n";
}

void ProfileDocument::splice(std::size_t at, std::size_t length, const std::string &replacement)
{
    const LineSpan touched = linesTouched(at, length, replacement);
    const bool sectionsKept =
        std::none_of(m_lines.begin() + touched.first, m_lines.begin() + touched.last,
                     [this](const Line &line) { return isHeader(line); });
    m_bytes.replace(at, length, replacement);
    if (!sectionsKept ||
        !reindex(touched, std::ptrdiff_t(replacement.size()) - std::ptrdiff_t(length)))
        parse();
}

// Old lines [first, last) are the ones an edit of [at, at + length) can
// change: from the line holding or touching the edit's start to the first
// line that still starts a line afterwards. `from` is where re-scanning the
// edited bytes starts.
ProfileDocument::LineSpan ProfileDocument::linesTouched(std::size_t at, std::size_t length,
                                                        const std::string &replacement) const
{
    const auto startsBefore = [&](const Line &l) {
        return l.begin < at;
    };
    const auto after = std::partition_point(m_lines.begin(), m_lines.end(), startsBefore);
    LineSpan span;
    span.first = static_cast<std::uint32_t>(after - m_lines.begin());
    span.last = span.first;
    span.from = at;
    if (span.first > 0 && m_lines[span.first - 1].end >= at) {
        --span.first;
        span.from = m_lines[span.first].begin;
    }
    const std::size_t editEnd = at + length;
    const bool breakBeforeEditEnd =
        replacement.empty() ? at == 0 || isBreak(m_bytes[at - 1]) : isBreak(replacement.back());
    const auto staysLineStart = [&](const Line &l) {
        return l.begin > editEnd || (l.begin == editEnd && breakBeforeEditEnd);
    };
    while (span.last < m_lines.size() && !staysLineStart(m_lines[span.last]))
        ++span.last;
    return span;
}

bool ProfileDocument::isHeader(const Line &line) const
{
    std::string_view name;
    const std::string_view text(m_bytes.data() + line.begin, line.end - line.begin);
    return headerName(trimBlanks(text), name);
}

// The non-empty runs between line breaks of bytes [from, to).
void ProfileDocument::scanLines(std::size_t from, std::size_t to, std::vector<Line> &lines) const
{
    std::size_t pos = from;
    while (pos < to) {
        while (pos < to && isBreak(m_bytes[pos]))
            ++pos;
        std::size_t end = pos;
        while (end < to && !isBreak(m_bytes[end]))
            ++end;
        if (end > pos)
            lines.push_back({static_cast<std::uint32_t>(pos), static_cast<std::uint32_t>(end)});
        pos = end;
    }
}

// A save makes a hundred edits to one section of a large file: re-index the
// touched lines and shift the rest instead of parsing the whole file each
// time. Returns false when a section header would appear other than at the
// end of the file; the full parse handles that.
bool ProfileDocument::reindex(const LineSpan &touched, std::ptrdiff_t delta)
{
    const bool atEnd = touched.last == m_lines.size();
    const std::size_t to =
        atEnd ? m_bytes.size() : std::size_t(std::ptrdiff_t(m_lines[touched.last].begin) + delta);
    std::vector<Line> fresh;
    scanLines(touched.from, to, fresh);
    for (const Line &line : fresh)
        if (!atEnd && isHeader(line))
            return false;
    for (std::size_t i = touched.last; i < m_lines.size(); ++i) {
        m_lines[i].begin = static_cast<std::uint32_t>(m_lines[i].begin + delta);
        m_lines[i].end = static_cast<std::uint32_t>(m_lines[i].end + delta);
    }
    const auto replaced = std::ptrdiff_t(touched.last - touched.first);
    const std::ptrdiff_t lineShift = std::ptrdiff_t(fresh.size()) - replaced;
    m_lines.erase(m_lines.begin() + touched.first, m_lines.begin() + touched.last);
    m_lines.insert(m_lines.begin() + touched.first, fresh.begin(), fresh.end());
    for (Section &section : m_sections) {
        if (section.header >= touched.last)
            section.header = static_cast<std::uint32_t>(section.header + lineShift);
        if (section.end >= touched.last)
            section.end = static_cast<std::uint32_t>(section.end + lineShift);
    }
    if (atEnd)
        indexSections(touched.first);
    return true;
}

bool ProfileDocument::setValue(std::string_view section, std::string_view key,
                               std::string_view value)
{
    std::size_t leading = 0;
    while (leading < value.size() && isBlank(value[leading]))
        ++leading;
    const std::string_view newValue = value.substr(leading);
    const std::string eol = lineBreak();
    const Section *s = findSection(section);
    if (!s) {
        std::string text;
        if (m_bytes.size() > m_textStart && !isBreak(m_bytes.back()))
            text += eol;
        text += "[" + std::string(section) + "]" + eol;
        text += std::string(key) + "=" + std::string(newValue) + eol;
        splice(m_bytes.size(), 0, text);
        return true;
    }
    std::uint32_t line = 0;
    if (findKeyLine(*s, key, line)) {
        const std::string_view text = lineText(line);
        if (text.find('=') != std::string_view::npos && valueText(text) == newValue)
            return false;
        const std::string replacement = std::string(keyName(text)) + "=" + std::string(newValue);
        splice(m_lines[line].begin, text.size(), replacement);
        return true;
    }
    // Directly after the section's last line and its first line break.
    const std::uint32_t last = s->end - 1;
    std::size_t at = m_lines[last].end;
    std::string text = std::string(key) + "=" + std::string(newValue) + eol;
    if (at == m_bytes.size())
        text = eol + text;
    else if (m_bytes.compare(at, 2, "\r\n") == 0)
        at += 2;
    else
        at += 1;
    splice(at, 0, text);
    return true;
}

bool ProfileDocument::removeKey(std::string_view section, std::string_view key)
{
    const Section *s = findSection(section);
    std::uint32_t line = 0;
    if (!s || !findKeyLine(*s, key, line))
        return false;
    const std::uint32_t begin = m_lines[line].begin;
    splice(begin, nextLineBegin(line) - begin, {});
    return true;
}

bool ProfileDocument::removeSection(std::string_view section)
{
    const Section *s = findSection(section);
    if (!s)
        return false;
    const std::uint32_t begin = m_lines[s->header].begin;
    const std::uint32_t end = nextLineBegin(s->end - 1);
    splice(begin, end - begin, {});
    return true;
}

std::size_t ProfileDocument::memoryUse() const
{
    std::size_t use = m_bytes.capacity() + m_lines.capacity() * sizeof(Line) +
                      m_sections.capacity() * sizeof(Section);
    for (const auto &entry : m_firstSection)
        use += sizeof(entry) + entry.first.capacity() + 2 * sizeof(void *);
    return use + m_firstSection.bucket_count() * sizeof(void *);
}

std::vector<std::string> scanSectionLines(const std::string &bytes)
{
    std::vector<std::string> names;
    const std::size_t size = bytes.size();
    std::size_t pos = textStart(bytes);
    while (pos < size) {
        std::size_t end = pos;
        while (end < size && !isBreak(bytes[end]))
            ++end;
        if (end - pos >= 2 && bytes[pos] == '[' && bytes[end - 1] == ']')
            names.emplace_back(bytes, pos + 1, end - pos - 2);
        pos = end;
        if (pos < size && bytes[pos] == '\r')
            ++pos;
        if (pos < size && bytes[pos] == '\n')
            ++pos;
    }
    return names;
}

} // namespace storage
