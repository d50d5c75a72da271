// The hint: the match to move and its place, towards the nearest answer.
#include "board/Hint.h"

#include "MatchFigures.h"

#include <gtest/gtest.h>

namespace board {
namespace {

using figures::nudged;
using figures::plus;
using figures::shifted;

const Arrangement Square = figures::grid(1, 1); // top, bottom, left, right

Answer answer(const Arrangement &box)
{
    return {box, 1, "1 square"};
}

TEST(NextHint, PointsTowardsTheNearestAnswer)
{
    const Arrangement off = nudged(Square, 3, 60, 0);
    const Arrangement leaning = {Square[0], Square[1], off[3], nudged(Square, 2, -60, 0)[2]};
    const storage::MatchPlacement spare{300, 0, 0};
    const std::optional<Hint> none;
    // clang-format off
    const struct { const char *name; std::vector<Answer> answers; Arrangement box; std::optional<Hint> hint; } cases[] = {
        {"a match moves", {answer(Square)}, off, Hint{3, Square[3]}},
        {"a match goes back to the matchbox", {answer(Square)}, plus(Square, {spare}), Hint{4, {}}},
        {"a match comes from the matchbox", {answer(plus(Square, {spare}))}, Square, Hint{{}, spare}},
        {"the nearer of two answers", {answer(shifted(Square, 100, 0)), answer(Square)}, off, Hint{3, Square[3]}},
        {"a match just off goes back to its own place", {answer(Square)}, leaning, Hint{2, Square[3]}},
        {"already an answer, laid by hand", {answer(Square)}, figures::byHand(Square, 0, 0), none},
        {"no answer", {}, off, none},
    };
    // clang-format on
    for (const auto &c : cases)
        EXPECT_EQ(nextHint(c.answers, c.box), c.hint) << c.name;
}

TEST(AnswerCache, SearchesOnceForTheSameRules)
{
    int searches = 0;
    AnswerCache cache([&](const PuzzleRules &, Room) {
        ++searches;
        return std::vector<Answer>{};
    });
    PuzzleRules rules{Goal{}, 1, Square, Square};
    cache.answersFor(rules, {400, 400});
    cache.answersFor(rules, {400, 400});
    cache.answersFor(rules, {400, 300}); // a smaller window
    rules.start.pop_back();              // the copy's start, say
    cache.answersFor(rules, {400, 300});
    EXPECT_EQ(searches, 3);
}

} // namespace
} // namespace board
