#include "board/Hint.h"

#include "board/Orientations.h"

#include <algorithm>
#include <limits>

namespace board {

namespace {

// Between the middles of the two matches' pictures.
double squaredDistance(const storage::MatchPlacement &a, const storage::MatchPlacement &b)
{
    const auto picture = [](const storage::MatchPlacement &m) {
        return Orientations[static_cast<std::size_t>(m.o) % OrientationCount];
    };
    const double dx = a.x + picture(a).width / 2.0 - b.x - picture(b).width / 2.0;
    const double dy = a.y + picture(a).height / 2.0 - b.y - picture(b).height / 2.0;
    return dx * dx + dy * dy;
}

const Answer *nearestAnswer(const std::vector<Answer> &answers, const Arrangement &box)
{
    const Answer *nearest = nullptr;
    int fewest = std::numeric_limits<int>::max();
    for (const Answer &answer : answers) {
        const int moves = CountMoves(box, answer.box);
        if (moves < fewest) {
            fewest = moves;
            nearest = &answer;
        }
    }
    return fewest > 0 ? nearest : nullptr;
}

// Of the matches off the answer and its empty places, the two closest
// together.
Hint closestPair(const Arrangement &box, const Arrangement &answer,
                 const std::vector<std::size_t> &offPlace, const std::vector<std::size_t> &empty)
{
    Hint closest;
    double best = std::numeric_limits<double>::max();
    for (std::size_t i : offPlace) {
        for (std::size_t t : empty) {
            const double distance = squaredDistance(box[i], answer[t]);
            if (distance < best) {
                best = distance;
                closest = {i, answer[t]};
            }
        }
    }
    return closest;
}

bool sameRules(const PuzzleRules &a, const PuzzleRules &b)
{
    return a.goal == b.goal && a.moveLimit == b.moveLimit && a.start == b.start &&
           a.solution == b.solution && a.answerMatches == b.answerMatches;
}

} // namespace

std::optional<Hint> nextHint(const std::vector<Answer> &answers, const Arrangement &box)
{
    const Answer *answer = nearestAnswer(answers, box);
    if (!answer)
        return std::nullopt;
    const std::vector<int> partners = unmovedPartners(box, answer->box);
    std::vector<bool> filled(answer->box.size(), false);
    std::vector<std::size_t> offPlace;
    for (std::size_t i = 0; i < box.size(); ++i)
        if (partners[i] >= 0)
            filled[static_cast<std::size_t>(partners[i])] = true;
        else
            offPlace.push_back(i);
    std::vector<std::size_t> empty;
    for (std::size_t t = 0; t < filled.size(); ++t)
        if (!filled[t])
            empty.push_back(t);
    if (offPlace.empty())
        return Hint{std::nullopt, answer->box[empty.front()]};
    if (empty.empty())
        return Hint{offPlace.front(), std::nullopt};
    return closestPair(box, answer->box, offPlace, empty);
}

const std::vector<Answer> &AnswerCache::answersFor(const PuzzleRules &rules, Room room)
{
    const bool sameRoom = room.width == m_room.width && room.height == m_room.height;
    if (!m_rules || !sameRules(*m_rules, rules) || !sameRoom) {
        m_answers = m_search(rules, room);
        m_rules = rules;
        m_room = room;
    }
    return m_answers;
}

} // namespace board
