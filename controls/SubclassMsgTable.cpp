#include "controls/SubclassMsgTable.h"

#include "controls/WindowMessages.h"

namespace controls {

SubclassMsgTable::AddResult SubclassMsgTable::add(int message)
{
    if (message == WindowMessage::ALL_MESSAGES) {
        m_count = WindowMessage::ALL_MESSAGES;
        return AddResult::Added;
    }
    if (m_count == WindowMessage::ALL_MESSAGES || message == EmptySlot)
        return AddResult::AlreadyPresent;
    for (int i = 0; i < m_count; ++i)
        if (m_slots[i] == message)
            return AddResult::AlreadyPresent;
    for (int i = 0; i < m_count; ++i) {
        if (m_slots[i] == EmptySlot) {
            m_slots[i] = message;
            return AddResult::Added;
        }
    }
    if (m_count >= Slots)
        return AddResult::Overflow;
    m_slots[m_count++] = message;
    return AddResult::Added;
}

bool SubclassMsgTable::remove(int message)
{
    if (message == WindowMessage::ALL_MESSAGES) {
        m_count = 0;
        return true;
    }
    for (int i = 0; i < m_count; ++i) {
        if (m_slots[i] == message) {
            m_slots[i] = EmptySlot;
            return true;
        }
    }
    return false;
}

bool SubclassMsgTable::matches(int message) const
{
    if (m_count == WindowMessage::ALL_MESSAGES)
        return true;
    for (int i = 0; i < m_count; ++i)
        if (m_slots[i] == message)
            return true;
    return false;
}

} // namespace controls
