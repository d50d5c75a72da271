// SubclassMsgTable -- the messages one side (before or after) of a routed
// widget hands to its callback: up to Slots specific messages, or every
// message. A deleted entry leaves an empty slot (0) that the next addition
// reuses before the table grows.
#pragma once

#include <array>

namespace controls {

// Names fixed by the program's design: keep them as they are.
// SubclassMsgTable, ALL_MESSAGES (in WindowMessages.h) and the limit of 32
// slots; the member names are the project's own.
class SubclassMsgTable
{
public:
    static constexpr int Slots = 32;
    static constexpr int EmptySlot = 0;

    enum class AddResult
    {
        Added,
        AlreadyPresent,
        Overflow
    };

    // ALL_MESSAGES selects every message; a specific message added to such
    // a table is already covered and changes nothing.
    AddResult add(int message);
    // ALL_MESSAGES empties the table; false when a specific message is absent.
    bool remove(int message);
    bool matches(int message) const;
    // -1 while every message is selected.
    int count() const { return m_count; }

private:
    int m_count = 0;
    std::array<int, Slots> m_slots{};
};

} // namespace controls
