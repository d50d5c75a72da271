#include "storage/FileIObas.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace storage;
using namespace std::string_literals;

namespace {

struct ReadCase
{
    const char *name;
    std::string file, section, key, fallback;
    std::int64_t size;
    std::string expected;
};

// The file most rows read; its lines follow the order of the rows.
const std::string sample =
    "junk=before\r\n[Main]\r\nPlain=value\r\n  Spaced  =  padded value \t\r\n"
    "Quoted=\"in quotes\"\r\nSingle='single'\r\nHalf=\"open\r\n"
    "Inner=a \"b\" c\r\nEmpty=\r\nNoEquals\r\nNumber=12345\r\n"
    "Twice=first\r\ntwice=second\r\n; Comment=no\r\nEq=a=b\r\n"
    "Semi=; not a comment\r\n[main]\r\nLater=hidden\r\n"
    "  [ Padded ]  trailing text\r\nK=padded header\r\n[broken\r\nB=in padded\r\n";

const ReadCase readCases[] = {
    // clang-format off
    {"plain value", sample, "Main", "Plain", "d", 255, "value"},
    {"section and key ignore ASCII case", sample, "MAIN", "pLaIn", "d", 255, "value"},
    {"names are trimmed", sample, "  Main ", " Plain\t", "d", 255, "value"},
    {"blanks around key and value dropped", sample, "Main", "Spaced", "d", 255, "padded value"},
    {"double quotes dropped", sample, "Main", "Quoted", "d", 255, "in quotes"},
    {"single quotes dropped", sample, "Main", "Single", "d", 255, "single"},
    {"lone quote kept", sample, "Main", "Half", "d", 255, "\"open"},
    {"inner quotes kept", sample, "Main", "Inner", "d", 255, "a \"b\" c"},
    {"empty value is not the default", sample, "Main", "Empty", "d", 255, ""},
    {"line without = gives the default", sample, "Main", "NoEquals", "d", 255, "d"},
    {"missing key gives the default", sample, "Main", "Nope", "dflt", 255, "dflt"},
    {"missing section gives the default", sample, "None", "Plain", "dflt", 255, "dflt"},
    {"default loses trailing spaces", sample, "None", "x", " a b  ", 255, " a b"},
    {"value cut to size - 1", sample, "Main", "Number", "d", 5, "1234"},
    {"size above 65535", "[S]\r\nk=" + std::string(70000, 'a'), "S", "k", "d", 70000, std::string(69999, 'a')},
    {"quoted value cut before its quotes go", sample, "Main", "Quoted", "d", 5, "\"in "},
    {"default cut to size - 1", sample, "None", "x", "abcdef", 3, "ab"},
    {"size 0 copies nothing", sample, "Main", "Number", "d", 0, ""},
    {"negative size copies nothing", sample, "Main", "Number", "d", -4, ""},
    {"first matching key wins", sample, "Main", "TWICE", "d", 255, "first"},
    {"comment line is an ordinary key line", sample, "Main", "; Comment", "d", 255, "no"},
    {"value keeps later =", sample, "Main", "Eq", "d", 255, "a=b"},
    {"value may start with ;", sample, "Main", "Semi", "d", 255, "; not a comment"},
    {"only the first section of a name is searched", sample, "main", "Later", "d", 255, "d"},
    {"lines before the first header unreachable", sample, "", "junk", "d", 255, "d"},
    {"padded header with trailing text is a header", sample, "Padded", "K", "d", 255, "padded header"},
    {"header without ] is an ordinary line", sample, "Padded", "B", "d", 255, "in padded"},
    {"header name up to the last ]", "[a]b] c\r\nk=v\r\n", "a]b", "k", "d", 255, "v"},
    {"LF-only file", "[S]\nk=v\n", "S", "k", "d", 255, "v"},
    {"CR-only file", "[S]\rk=v\r", "S", "k", "d", 255, "v"},
    {"no trailing line break", "[S]\r\nk=v", "S", "k", "d", 255, "v"},
    {"^Z, form feed and vertical tab are blanks", "[S]\r\n\fk\v=\x1A\fv\v\x1A\r\n", "S", "k", "d", 255, "v"},
    {"value ends at a NUL", "[S]\r\nk=ab\0cd\r\n"s, "S", "k", "d", 255, "ab"},
    {"UTF-8 mark: UTF-8 text from the first section, size in characters", "\xEF\xBB\xBF[S]\r\nk=\xC5\x82\xC3\xA9\r\n", "S", "k", "d", 2, "\u0142"},
    {"Windows-1252 bytes read as UTF-8", "[S\xE9]\r\nk=\xB6\x80\r\n", "S\u00E9", "k", "d", 255, "\u00B6\u20AC"},
    {"size counts file characters, not UTF-8 bytes", "[S]\r\nk=\xE9\xE9\xE9\r\n", "S", "k", "d", 3, "\u00E9\u00E9"},
    // clang-format on
};

using ProfileRead = testing::TestWithParam<ReadCase>;

TEST_P(ProfileRead, FollowsTheProfileRules)
{
    const ReadCase &c = GetParam();
    TempFolder folder;
    const std::string path = folder.collection(c.file);
    EXPECT_EQ(ReadProfileString(c.section, c.key, c.fallback, c.size, path), c.expected);
    EXPECT_EQ(readBytes(path), c.file);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileRead, testing::ValuesIn(readCases), rowName<ReadCase>);

// Section names are read as written, not by the key rules above.
struct ScanCase
{
    const char *name;
    std::string file;
    std::vector<std::string> expected;
};

const ScanCase scanCases[] = {
    // clang-format off
    {"file order with duplicates", "[B]\r\n[A]\r\nk=v\r\n[B]\r\n", {"B", "A", "B"}},
    {"brackets only give an empty name", "[]\r\n[x]\r\n", {"", "x"}},
    {"single bracket is no section line", "[\r\n]\r\n[x]\r\n", {"x"}},
    {"blank before the bracket is no section line", " [a]\r\n[b]\r\n", {"b"}},
    {"text after the bracket is no section line", "[a] ; c\r\n[b]\r\n", {"b"}},
    {"doubled brackets keep one each", "[[a]]\r\n", {"[a]"}},
    {"name is not trimmed", "[ a ]\r\n", {" a "}},
    {"no section line gives one empty entry", "k=v\r\n", {""}},
    {"empty file gives one empty entry", "", {""}},
    {"CR alone ends a line", "[a]\r[b]\r", {"a", "b"}},
    {"LF alone ends a line", "[a]\n[b]", {"a", "b"}},
    {"Windows-1252 names", "[Caf\xE9]\r\n", {"Caf\u00E9"}},
    {"UTF-8 mark: UTF-8 names from the first line", "\xEF\xBB\xBF[Caf\xC3\xA9]\r\n", {"Caf\u00E9"}},
    // clang-format on
};

using SectionScan = testing::TestWithParam<ScanCase>;

TEST_P(SectionScan, ReadsSectionLinesAsWritten)
{
    TempFolder folder;
    const std::string path = folder.collection(GetParam().file);
    SectionNames = {"stale", "entries"};
    GetSectionNames(path);
    EXPECT_EQ(SectionNames, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SectionScan, testing::ValuesIn(scanCases), rowName<ScanCase>);

} // namespace
