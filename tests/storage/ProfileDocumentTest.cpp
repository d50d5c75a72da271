#include "storage/ProfileDocument.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

using storage::ProfileDocument;

namespace {

const std::array<const char *, 6> Sections = {"A", "b", "Puzzle 1", "settings", "[x", "Z"};
const std::array<const char *, 6> Keys = {"k", "K2", "M1", "Instructions", "[x", ";c"};
const std::array<const char *, 5> Values = {"1", "", "y]", "long value with = and ]", "  z  "};

const std::array<const char *, 4> Starts = {
    "",
    "[A]\r\nk=1\r\n\r\n; note\r\n[b]\r\nK2 = 2\r\n[a]\r\nk=dup\r\n",
    "\n\nstray=1\n[Puzzle 1]\nM1=1,2,3\n[Z]\n",
    "[A]\r\nk=1\r[b]\nx=2\r\n\r\n\r\n[Z]\r\nlast=3",
};

// Every lookup the profile rules make must agree with a document parsed
// afresh from the same bytes, whatever edits came before.
void expectSameAsFreshParse(const ProfileDocument &edited)
{
    const ProfileDocument fresh(edited.bytes());
    for (const char *section : Sections) {
        for (const char *key : Keys) {
            std::string_view a;
            std::string_view b;
            const bool foundEdited = edited.findValue(section, key, a);
            ASSERT_EQ(foundEdited, fresh.findValue(section, key, b)) << section << "/" << key;
            ASSERT_EQ(a, b) << section << "/" << key; // both untouched when not found
            ASSERT_EQ(edited.lineNumberOf(section, key), fresh.lineNumberOf(section, key));
        }
    }
}

TEST(ProfileDocumentEdits, KeepTheIndexOfAFreshParse)
{
    std::mt19937 random(20261207);
    for (const char *start : Starts) {
        ProfileDocument edited{std::string(start)};
        for (int step = 0; step < 400; ++step) {
            const char *section = Sections[random() % Sections.size()];
            const char *key = Keys[random() % Keys.size()];
            const char *value = Values[random() % Values.size()];
            const auto edit = random() % 8; // removes a section 1 in 8, a key 2 in 8
            if (edit == 0)
                edited.removeSection(section);
            else if (edit < 3)
                edited.removeKey(section, key);
            else
                edited.setValue(section, key, value);
            expectSameAsFreshParse(edited);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

} // namespace
