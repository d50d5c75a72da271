// Undo and redo over whole snapshots of the board. Snapshots are small (the
// 64 sprites and the current-puzzle fields), so storing the state before
// each action is simpler and safer than recording inverse operations.
#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace board {

template<typename Snapshot>
class UndoHistory
{
public:
    // The state just before an action; a new action forgets what was undone.
    void record(Snapshot before)
    {
        m_undo.push_back(std::move(before));
        m_redo.clear();
        if (m_undo.size() > MaxSteps)
            m_undo.erase(m_undo.begin());
    }

    // Returns the state to go back to, and keeps `current` for redo.
    std::optional<Snapshot> undo(Snapshot current)
    {
        return step(m_undo, m_redo, std::move(current));
    }

    std::optional<Snapshot> redo(Snapshot current)
    {
        return step(m_redo, m_undo, std::move(current));
    }

    // Brings every kept state up to date with a change that is not undone,
    // such as the window's new size.
    template<typename Change>
    void update(const Change &change)
    {
        for (Snapshot &s : m_undo)
            change(s);
        for (Snapshot &s : m_redo)
            change(s);
    }

    void clear()
    {
        m_undo.clear();
        m_redo.clear();
    }

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }

    // Far more than a player undoes, small enough to bound the memory.
    static constexpr std::size_t MaxSteps = 1000;

private:
    static std::optional<Snapshot> step(std::vector<Snapshot> &from, std::vector<Snapshot> &to,
                                        Snapshot current)
    {
        if (from.empty())
            return std::nullopt;
        Snapshot target = std::move(from.back());
        from.pop_back();
        to.push_back(std::move(current));
        return target;
    }

    std::vector<Snapshot> m_undo;
    std::vector<Snapshot> m_redo;
};

} // namespace board
