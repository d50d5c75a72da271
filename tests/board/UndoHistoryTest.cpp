#include "board/UndoHistory.h"

#include <gtest/gtest.h>

using board::UndoHistory;

namespace {

// States are plain numbers here: the board's own snapshots behave the same.
TEST(UndoHistoryTest, UndoAndRedoWalkBackAndForthAndANewActionForgetsTheUndone)
{
    UndoHistory<int> history;
    EXPECT_FALSE(history.undo(0).has_value());
    history.record(0); // action 0 -> 1
    history.record(1); // action 1 -> 2
    EXPECT_EQ(history.undo(2), 1);
    EXPECT_EQ(history.undo(1), 0);
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.redo(0), 1);
    history.record(1); // a different action from state 1
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undo(5), 1);
    history.update([](int &state) { state *= 10; });
    EXPECT_EQ(history.undo(10), 0) << "kept states follow an update";
    EXPECT_EQ(history.redo(0), 10);
    history.clear();
    EXPECT_FALSE(history.canUndo() || history.canRedo());
}

TEST(UndoHistoryTest, KeepsOnlyTheNewestSteps)
{
    UndoHistory<std::size_t> history;
    const std::size_t actions = UndoHistory<std::size_t>::MaxSteps + 5;
    for (std::size_t i = 0; i < actions; ++i)
        history.record(i);
    std::size_t state = actions;
    std::size_t undone = 0;
    while (auto previous = history.undo(state)) {
        state = *previous;
        ++undone;
    }
    EXPECT_EQ(undone, UndoHistory<std::size_t>::MaxSteps);
    EXPECT_EQ(state, actions - UndoHistory<std::size_t>::MaxSteps);
}

} // namespace
