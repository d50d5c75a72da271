// The next step for a player who asks: one match that must move and where
// it goes, on the way to the answer nearest to what the box holds now. No
// widget here; the main window shows the step on the board.
#pragma once

#include "board/AnswerSearch.h"

#include <cstddef>
#include <functional>
#include <optional>

namespace board {

struct Hint
{
    // The match to move, by its index in the box's arrangement; none when
    // one comes from the matchbox.
    std::optional<std::size_t> match;
    // Its place in the answer, an offset from the box's corner; none when
    // it goes back to the matchbox.
    std::optional<storage::MatchPlacement> place;
    friend bool operator==(const Hint &a, const Hint &b)
    {
        return a.match == b.match && a.place == b.place;
    }
};

// Nothing when there is no answer or the box already holds one. Of the
// matches off the answer and its empty places, the two closest together
// are paired, so a match just off its place is sent back there.
std::optional<Hint> nextHint(const std::vector<Answer> &answers, const Arrangement &box);

// The answers to the rules and room last asked about, searched at the
// first hint and kept for the next ones: the search may take tens of
// milliseconds.
class AnswerCache
{
public:
    using Search = std::function<std::vector<Answer>(const PuzzleRules &, Room)>;
    explicit AnswerCache(Search search)
        : m_search(std::move(search))
    {
    }
    const std::vector<Answer> &answersFor(const PuzzleRules &rules, Room room);

private:
    Search m_search;
    std::optional<PuzzleRules> m_rules;
    Room m_room;
    std::vector<Answer> m_answers;
};

} // namespace board
