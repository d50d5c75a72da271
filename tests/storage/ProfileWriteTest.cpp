#include "storage/FileIObas.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace storage;
using namespace std::string_literals;

namespace {

const std::optional<std::string> none;

struct WriteCase
{
    const char *name;
    std::optional<std::string> before; // nothing: no file
    std::string section;
    std::optional<std::string> key;
    std::optional<std::string> value;
    std::optional<std::string> after; // nothing: still no file
    std::string result = "1";
};

const std::string handEdited = "; my puzzles\r\n\r\n[Settings]\r\nVolume = 3\r\n\r\n"
                               "[Alpha]\r\nk = v\r\n# note\r\n\r\n\r\n"
                               "[Beta]\r\nx=1\r\n[alpha]\r\nk=dup\r\n";

const WriteCase writeCases[] = {
    // clang-format off
    {"new file", none, "Sec", "key", "value", "[Sec]\r\nkey=value\r\n"},
    {"replace keeps spelling and other bytes", handEdited, "ALPHA", "K", "new", "; my puzzles\r\n\r\n[Settings]\r\nVolume = 3\r\n\r\n[Alpha]\r\nk=new\r\n# note\r\n\r\n\r\n[Beta]\r\nx=1\r\n[alpha]\r\nk=dup\r\n"},
    {"new key after the section's last line and comments", handEdited, "alpha", "n", "2", "; my puzzles\r\n\r\n[Settings]\r\nVolume = 3\r\n\r\n[Alpha]\r\nk = v\r\n# note\r\nn=2\r\n\r\n\r\n[Beta]\r\nx=1\r\n[alpha]\r\nk=dup\r\n"},
    {"new section at the end without blank line", handEdited, "Gamma", "g", "7", handEdited + "[Gamma]\r\ng=7\r\n"},
    {"new section after a last line without break", "[A]\r\nk=v", "B", "k", "w", "[A]\r\nk=v\r\n[B]\r\nk=w\r\n"},
    {"new key in last section without break", "[A]\r\nk=v", "A", "n", "w", "[A]\r\nk=v\r\nn=w\r\n"},
    {"new key in an empty section", "[A]\r\n[B]\r\n", "A", "k", "v", "[A]\r\nk=v\r\n[B]\r\n"},
    {"same value leaves the file untouched", "[A]\r\nk =  v \r\n", "A", "k", "v", "[A]\r\nk =  v \r\n"},
    {"value loses leading blanks, keeps trailing", "[A]\r\nk=v\r\n", "A", "k", "  w  ", "[A]\r\nk=w  \r\n"},
    {"LF-only file stays LF-only", "[A]\nk=v\n", "B", "k", "w", "[A]\nk=v\n[B]\nk=w\n"},
    {"new key in LF-only file", "[A]\nk=v\n\n[B]\n", "A", "n", "w", "[A]\nk=v\nn=w\n\n[B]\n"},
    {"mixed breaks get CR LF", "[A]\nk=v\r\n", "A", "n", "w", "[A]\nk=v\r\nn=w\r\n"},
    {"remove section up to the next header; later duplicate stays", handEdited, "alpha", none, none, "; my puzzles\r\n\r\n[Settings]\r\nVolume = 3\r\n\r\n[Beta]\r\nx=1\r\n[alpha]\r\nk=dup\r\n"},
    {"remove last section", "[A]\r\nk=v\r\n[B]\r\nx=1", "b", none, none, "[A]\r\nk=v\r\n"},
    {"remove missing section still succeeds", "[A]\r\n", "Z", none, none, "[A]\r\n"},
    {"remove key keeps the header", "[A]\r\nk=v\r\nj=w\r\n", "A", "K", none, "[A]\r\nj=w\r\n"},
    {"remove missing key", "[A]\r\nk=v\r\n", "A", "z", none, "[A]\r\nk=v\r\n"},
    {"key line without = is replaced", "[A]\r\n k \r\nj=w\r\n", "A", "K", "v", "[A]\r\nk=v\r\nj=w\r\n"},
    {"key line without = is removed", "[A]\r\nk\r\nj=w\r\n", "A", "k", none, "[A]\r\nj=w\r\n"},
    {"a blank line is no key line", "[A]\r\n \t\r\n", "A", "", "v", "[A]\r\n \t\r\n=v\r\n"},
    {"a value may start with ; and hold =", none, "A", "k", "; a=b", "[A]\r\nk=; a=b\r\n"},
    {"an empty value is written", "[A]\r\nk=v\r\n", "A", "k", "", "[A]\r\nk=\r\n"},
    {"remove in a missing file creates nothing", none, "A", none, none, none},
    {"Windows-1252 bytes written", none, "S\u00E9", "k", "\u00B6\u20AC", "[S\xE9]\r\nk=\xB6\x80\r\n"},
    {"unstorable characters become ?", none, "S", "k", "\u0142", "[S]\r\nk=?\r\n"},
    {"UTF-8 mark kept, text stored as UTF-8", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "\u0142\u20AC", "\xEF\xBB\xBF[S]\r\nk=\xC5\x82\xE2\x82\xAC\r\n"},
    {"new section after a lone UTF-8 mark", "\xEF\xBB\xBF", "S", "k", "v", "\xEF\xBB\xBF[S]\r\nk=v\r\n"},
    {"a value with a line break is refused", "[A]\r\n", "A", "k", "x\n[B]", "[A]\r\n", "0"},
    {"a key with = is refused", "[A]\r\n", "A", "k=j", "x", "[A]\r\n", "0"},
    {"a key starting with [ is refused", "[A]\r\n", "A", " [k]", "x", "[A]\r\n", "0"},
    {"a NUL is refused", "[A]\r\n", "A", "k", "x\0y"s, "[A]\r\n", "0"},
    {"a section with a line break is refused", none, "A\rB", "k", "x", none, "0"},
    // clang-format on
};

using ProfileWrite = testing::TestWithParam<WriteCase>;

TEST_P(ProfileWrite, EditsOnlyWhatItMust)
{
    const WriteCase &c = GetParam();
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    if (c.before)
        writeBytes(path, *c.before);
    EXPECT_EQ(WriteProfileString(c.section, c.key, c.value, path), c.result);
    ASSERT_EQ(std::filesystem::exists(path), c.after.has_value());
    EXPECT_EQ(c.after ? readBytes(path) : std::string(), c.after.value_or(std::string()));
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileWrite, testing::ValuesIn(writeCases), rowName<WriteCase>);

TEST(ProfileWriteSequence, RemovedSectionWrittenAgainGoesToTheEnd)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(path, "[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
    DeleteSection("a", path);
    WriteProfileString("A", std::string("k"), std::string("3"), path);
    EXPECT_EQ(readBytes(path), "[B]\r\nk=2\r\n[A]\r\nk=3\r\n");
    EXPECT_EQ(ReadProfileString("a", "K", "", 255, path), "3");
}

} // namespace
