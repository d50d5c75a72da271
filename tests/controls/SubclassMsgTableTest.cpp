#include "controls/SubclassMsgTable.h"
#include "controls/WindowMessages.h"

#include <gtest/gtest.h>

using controls::SubclassMsgTable;
using AddResult = controls::SubclassMsgTable::AddResult;
using controls::WindowMessage::ALL_MESSAGES;

namespace {

SubclassMsgTable fullTable()
{
    SubclassMsgTable table;
    for (int message = 1; message <= SubclassMsgTable::Slots; ++message) {
        EXPECT_EQ(table.add(message), AddResult::Added);
    }
    return table;
}

} // namespace

TEST(SubclassMsgTable, TheThirtyThirdDistinctMessageIsRefused)
{
    SubclassMsgTable table = fullTable();
    EXPECT_EQ(table.add(100), AddResult::Overflow);
    EXPECT_FALSE(table.matches(100));
    EXPECT_EQ(table.count(), SubclassMsgTable::Slots);
}

TEST(SubclassMsgTable, DeletedSlotIsReusedBeforeTheTableGrows)
{
    SubclassMsgTable table;
    table.add(15);
    table.add(512);
    table.add(675);
    ASSERT_TRUE(table.remove(512));
    EXPECT_FALSE(table.matches(512));
    EXPECT_EQ(table.add(0x201), AddResult::Added);
    EXPECT_EQ(table.count(), 3) << "the empty slot took the message";
    EXPECT_TRUE(table.matches(0x201));
}

TEST(SubclassMsgTable, FullTableWithADeletedSlotStillAcceptsAndKeepsItsEntries)
{
    SubclassMsgTable table = fullTable();
    ASSERT_TRUE(table.remove(7));
    EXPECT_EQ(table.add(100), AddResult::Added);
    EXPECT_EQ(table.add(5), AddResult::AlreadyPresent) << "no overflow for a present message";
    EXPECT_TRUE(table.matches(100));
}

TEST(SubclassMsgTable, DuplicatesAreNotStoredEvenBehindAnEmptySlot)
{
    SubclassMsgTable table;
    table.add(1);
    table.add(2);
    table.add(3);
    table.remove(2);
    EXPECT_EQ(table.add(3), AddResult::AlreadyPresent);
    ASSERT_TRUE(table.remove(3));
    EXPECT_FALSE(table.matches(3)) << "a second copy would still match";
}

TEST(SubclassMsgTable, AllMessagesMatchesEverythingUntilCleared)
{
    SubclassMsgTable table;
    table.add(15);
    table.add(ALL_MESSAGES);
    EXPECT_TRUE(table.matches(0x10000 + 12));
    EXPECT_EQ(table.add(512), AddResult::AlreadyPresent);
    EXPECT_TRUE(table.remove(ALL_MESSAGES));
    EXPECT_EQ(table.count(), 0);
    EXPECT_FALSE(table.matches(15));
    EXPECT_FALSE(table.remove(15)) << "an empty table holds nothing to delete";
}
