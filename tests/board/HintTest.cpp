// The hint: the match to move and its place, towards the nearest answer.
#include "board/Hint.h"

#include "MatchFigures.h"
#include "storage/PuzzleCollection.h"

#include <gtest/gtest.h>

namespace board {
namespace {

using figures::nudged;
using figures::plus;

const Arrangement Square = figures::grid(1, 1); // top, bottom, left, right

Answer answer(const Arrangement &box)
{
    return {box, 1, "1 square"};
}

struct HintCase
{
    const char *name;
    std::vector<Answer> answers;
    Arrangement box;
    std::optional<Hint> hint;
};
void PrintTo(const HintCase &c, std::ostream *out)
{
    *out << c.name;
}

class NextHintTest : public ::testing::TestWithParam<HintCase>
{
};

TEST_P(NextHintTest, PointsTowardsTheNearestAnswer)
{
    EXPECT_EQ(nextHint(GetParam().answers, GetParam().box), GetParam().hint);
}

const Arrangement RightSideOff = nudged(Square, 3, 60, 0);
const Arrangement Leaning = {Square[0], Square[1], RightSideOff[3], nudged(Square, 2, -60, 0)[2]};
const storage::MatchPlacement Spare{300, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Cases, NextHintTest,
    ::testing::Values(
        HintCase{"aMatchMoves", {answer(Square)}, RightSideOff, Hint{3, Square[3]}},
        HintCase{"aMatchGoesBackToTheMatchbox",
                 {answer(Square)},
                 plus(Square, {Spare}),
                 Hint{4, std::nullopt}},
        HintCase{"aMatchComesFromTheMatchbox",
                 {answer(plus(Square, {Spare}))},
                 Square,
                 Hint{std::nullopt, Spare}},
        HintCase{"theNearerOfTwoAnswers",
                 {answer(figures::shifted(Square, 100, 0)), answer(Square)},
                 RightSideOff,
                 Hint{3, Square[3]}},
        HintCase{
            "aMatchJustOffGoesBackToItsOwnPlace", {answer(Square)}, Leaning, Hint{2, Square[3]}},
        HintCase{"alreadyAnAnswerByHand", {answer(Square)}, figures::byHand(Square, 0, 0), {}},
        HintCase{"noAnswer", {}, RightSideOff, {}}),
    [](const ::testing::TestParamInfo<HintCase> &info) { return info.param.name; });

TEST(AnswerCache, SearchesOnceForTheSameRules)
{
    int searches = 0;
    AnswerCache cache([&](const PuzzleRules &rules) {
        ++searches;
        return std::vector<Answer>{answer(rules.start)};
    });
    const PuzzleRules puzzle{Goal{}, 1, RightSideOff, Square};
    PuzzleRules copy = puzzle;
    copy.start = Square;
    for (const PuzzleRules &rules : {puzzle, puzzle, copy})
        EXPECT_EQ(cache.answersFor(rules).front().box, rules.start);
    EXPECT_EQ(searches, 2);
}

// Each bundled puzzle, played from its start by its hints alone, ends
// solved within the moves it allows.
TEST(NextHint, FollowedFromTheStartSolvesEveryBundledPuzzle)
{
    const std::string file = FLINTORA_SOURCE_DIR "/assets/Kindlet.ini";
    for (const std::string &title : storage::ListPuzzleTitles(file)) {
        const storage::PuzzleRecord record = storage::LoadPuzzleRecord(file, title);
        const PuzzleRules rules{*parseGoal(record.goal), record.moves, record.puzzle,
                                record.solution, record.answerMatches};
        const std::vector<Answer> answers = findAnswers(rules);
        Arrangement box = rules.start;
        for (int step = 0; step < 10; ++step) {
            const std::optional<Hint> hint = nextHint(answers, box);
            if (!hint)
                break;
            if (!hint->match)
                box.push_back(*hint->place);
            else if (!hint->place)
                box.erase(box.begin() + static_cast<long>(*hint->match));
            else
                box[*hint->match] = *hint->place;
        }
        EXPECT_TRUE(judge(rules, box).solved()) << title;
    }
}

} // namespace
} // namespace board
