#include "storage/FileIObas.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace storage;

namespace {

using Names = std::vector<std::string>;

struct ScanCase
{
    const char *name;
    std::string file;
    Names expected;
};

const ScanCase scanCases[] = {
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
};

class SectionScan : public testing::TestWithParam<ScanCase>
{
};

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
