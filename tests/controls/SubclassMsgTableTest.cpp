#include "controls/SubclassMsgTable.h"
#include "controls/WindowMessages.h"

#include <gtest/gtest.h>

using controls::SubclassMsgTable;
using controls::WindowMessage::ALL_MESSAGES;

namespace {

// One operation on the table and what it must answer: '+' add (an
// AddResult), '-' remove (a bool), '?' matches (a bool), '#' count.
struct Step
{
    char op;
    int message;
    int expected;
};

constexpr int Added = int(SubclassMsgTable::AddResult::Added);
constexpr int Present = int(SubclassMsgTable::AddResult::AlreadyPresent);
constexpr int Overflow = int(SubclassMsgTable::AddResult::Overflow);

int run(SubclassMsgTable &table, const Step &step)
{
    switch (step.op) {
    case '+':
        return int(table.add(step.message));
    case '-':
        return table.remove(step.message);
    case '?':
        return table.matches(step.message);
    default:
        return table.count();
    }
}

} // namespace

TEST(SubclassMsgTable, SlotsAreReusedNeverDuplicatedAndLimitedToThirtyTwo)
{
    // clang-format off
    // full: messages 1..32 are added first.
    const struct { const char *name; bool full; std::vector<Step> steps; } cases[] = {
        {"the 33rd distinct message is refused", true, {{'+', 100, Overflow}, {'?', 100, 0}, {'#', 0, 32}}},
        {"a deleted slot is reused before the table grows", false,
         {{'+', 15, Added}, {'+', 512, Added}, {'+', 675, Added}, {'-', 512, 1}, {'?', 512, 0},
          {'+', 0x201, Added}, {'#', 0, 3}, {'?', 0x201, 1}}},
        {"a full table with a deleted slot still accepts", true,
         {{'-', 7, 1}, {'+', 100, Added}, {'+', 5, Present}, {'?', 100, 1}}},
        {"no duplicate behind an empty slot", false,
         {{'+', 1, Added}, {'+', 2, Added}, {'+', 3, Added}, {'-', 2, 1}, {'+', 3, Present}, {'-', 3, 1}, {'?', 3, 0}}},
        {"ALL_MESSAGES matches everything until cleared", false,
         {{'+', 15, Added}, {'+', ALL_MESSAGES, Added}, {'?', 0x1000C, 1}, {'+', 512, Present},
          {'-', ALL_MESSAGES, 1}, {'#', 0, 0}, {'?', 15, 0}, {'-', 15, 0}}},
    };
    // clang-format on
    for (const auto &c : cases) {
        SubclassMsgTable table;
        for (int message = 1; c.full && message <= SubclassMsgTable::Slots; ++message)
            table.add(message);
        for (std::size_t i = 0; i < c.steps.size(); ++i)
            EXPECT_EQ(run(table, c.steps[i]), c.steps[i].expected) << c.name << ", step " << i;
    }
}
