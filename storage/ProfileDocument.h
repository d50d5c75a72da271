// ProfileDocument -- the bytes of one profile file with the line and section
// index that the profile rules need. All text here is file bytes: Windows-1252,
// or UTF-8 when the file starts with the UTF-8 mark, which no edit touches.
//
// Edits splice the bytes, so every line the edit does not touch keeps its
// exact bytes: comments, blank lines, spacing and duplicate sections.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace storage {

class ProfileDocument
{
public:
    explicit ProfileDocument(std::string bytes = {});

    const std::string &bytes() const { return m_bytes; }

    // Text between UTF-8 and the file's own encoding.
    std::string toFileText(const std::string &utf8) const;
    std::string fromFileText(std::string_view bytes) const;

    // The raw value of the first matching key in the first matching
    // section, trimmed; false when there is no such key line.
    bool findValue(std::string_view section, std::string_view key, std::string_view &value) const;

    // 1-based line of that key as an editor counts lines; 0 when missing.
    std::size_t lineNumberOf(std::string_view section, std::string_view key) const;

    // The edits return whether the bytes changed.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);
    bool removeKey(std::string_view section, std::string_view key);
    bool removeSection(std::string_view section);

    std::size_t memoryUse() const;

private:
    struct Line
    {
        std::uint32_t begin;
        std::uint32_t end; // content end; the line break run follows
    };
    struct Section
    {
        std::uint32_t header; // line index of the header
        std::uint32_t end;    // one past its last line
    };

    struct LineSpan
    {
        std::uint32_t first = 0;
        std::uint32_t last = 0;
        std::size_t from = 0;
    };

    void parse();
    void indexSections(std::uint32_t from);
    void scanLines(std::size_t from, std::size_t to, std::vector<Line> &lines) const;
    bool isHeader(const Line &line) const;
    LineSpan linesTouched(std::size_t at, std::size_t length, const std::string &replacement) const;
    bool reindex(const LineSpan &touched, std::ptrdiff_t delta);
    std::string_view lineText(std::uint32_t line) const;
    std::uint32_t nextLineBegin(std::uint32_t line) const;
    const Section *findSection(std::string_view name) const;
    bool findKeyLine(const Section &section, std::string_view key, std::uint32_t &line) const;
    std::string lineBreak() const;
    void splice(std::size_t at, std::size_t length, const std::string &replacement);

    bool isUtf8() const { return m_textStart != 0; }

    std::string m_bytes;
    std::uint32_t m_textStart; // past the UTF-8 mark, when there is one
    std::vector<Line> m_lines;
    std::vector<Section> m_sections;
    // Lower-cased trimmed name -> first section of that name.
    std::unordered_map<std::string, std::uint32_t> m_firstSection;
};

// Blanks of the profile rules: space, TAB, form feed, vertical tab and ^Z.
std::string_view trimBlanks(std::string_view text);
std::string lowerAscii(std::string_view text);

// The section-line scan: a line (ended by CR, LF or CR LF) whose first
// character is "[" and last is "]", exactly as read, gives the text between.
std::vector<std::string> scanSectionLines(const std::string &bytes);

} // namespace storage
