#include "board/AnswerSearch.h"

#include "board/AnswerCandidates.h"
#include "board/Orientations.h"
#include "board/PatternFit.h"

#include <algorithm>
#include <set>
#include <utility>

namespace board {

namespace {

std::vector<Arrangement> candidatesFor(const PuzzleRules &rules, bool &exhaustive)
{
    switch (rules.goal.kind) {
    case Goal::Figure:
        return figureCandidates(rules);
    case Goal::Squares:
    case Goal::Triangles:
        return shapeCandidates(rules, rules.moveLimit, exhaustive);
    case Goal::Equation:
        return equationCandidates(rules, rules.moveLimit);
    }
    return {};
}

// Shifts of one figure count once, made in the fewest moves.
void keepOnce(std::vector<Answer> &answers, Answer answer)
{
    for (Answer &kept : answers)
        if (SameFigure(kept.box, answer.box)) {
            if (answer.moves < kept.moves)
                kept = std::move(answer);
            return;
        }
    answers.push_back(std::move(answer));
}

double squaredDistance(Spot a, Spot b)
{
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

// A match of the candidate that lies where one of the start lies is that
// match left alone, head and pixels as the start has them.
Arrangement keepingUnmoved(const Arrangement &start, Arrangement box)
{
    const std::vector<Stroke> from = strokesOf(start);
    const std::vector<Stroke> to = strokesOf(box);
    std::vector<bool> used(from.size(), false);
    for (size_t i = 0; i < box.size(); ++i)
        for (size_t k = 0; k < from.size(); ++k)
            if (!used[k] && from[k].direction == to[i].direction &&
                squaredDistance(from[k].centre, to[i].centre) <=
                    SolvedTolerance * SolvedTolerance) {
                used[k] = true;
                box[i] = start[k];
                break;
            }
    return box;
}

} // namespace

bool fitsRoom(const Arrangement &box, Room room)
{
    if (room.width <= 0 || room.height <= 0)
        return true;
    return std::all_of(box.begin(), box.end(), [room](const storage::MatchPlacement &m) {
        const OrientationInfo &image = Orientations[static_cast<size_t>(m.o % OrientationCount)];
        return m.x >= 0 && m.y >= 0 && m.x + image.width <= room.width &&
               m.y + image.height <= room.height;
    });
}

std::vector<Answer> findAnswers(const PuzzleRules &rules, Room room, bool *exhaustive)
{
    PuzzleRules searched = rules;
    if (searched.moveLimit <= 0)
        searched.moveLimit = UnlimitedSearchMoves;
    bool complete = true;
    std::vector<Answer> answers;
    for (Arrangement &box : candidatesFor(searched, complete)) {
        if (!fitsRoom(box, room))
            continue;
        const Verdict verdict = judge(searched, box);
        if (verdict.solved())
            keepOnce(answers, {std::move(box), verdict.moves, verdict.achieved});
    }
    std::stable_sort(answers.begin(), answers.end(),
                     [](const Answer &a, const Answer &b) { return a.moves < b.moves; });
    if (exhaustive)
        *exhaustive = complete;
    return answers;
}

std::vector<Arrangement> figureCandidates(const PuzzleRules &rules)
{
    const std::vector<Stroke> start = strokesOf(rules.start);
    const std::vector<Stroke> figure = strokesOf(rules.solution);
    std::set<std::pair<int, int>> shifts;
    for (size_t s = 0; s < figure.size(); ++s)
        for (size_t t = 0; t < start.size(); ++t)
            if (figure[s].direction == start[t].direction)
                // Both images have one size, so the shift is whole pixels.
                shifts.insert({rules.start[t].x - rules.solution[s].x,
                               rules.start[t].y - rules.solution[s].y});
    std::vector<Arrangement> candidates;
    for (const auto &[dx, dy] : shifts) {
        Arrangement box = rules.solution;
        for (storage::MatchPlacement &m : box) {
            m.x = static_cast<std::int16_t>(m.x + dx);
            m.y = static_cast<std::int16_t>(m.y + dy);
        }
        candidates.push_back(keepingUnmoved(rules.start, std::move(box)));
    }
    return candidates;
}

} // namespace board
