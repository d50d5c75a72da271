// The generator's own rules: lattice figures and their codes, the shapes a
// figure holds and what taking matches away leaves of them, the texts, the
// room answers need, and the data the collection is built from.
#include "tools/puzzles/Episodes.h"
#include "tools/puzzles/LatticeFamilies.h"
#include "tools/puzzles/RomanType.h"
#include "tools/puzzles/Verify.h"

#include "board/EquationReading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

namespace {

using puzzles::Change;
using puzzles::Lattice;

puzzles::Edges edges(const char *code)
{
    return puzzles::edgesOfCode(code);
}

puzzles::Figure unionOf(const std::vector<puzzles::Figure> &parts)
{
    puzzles::Figure figure;
    for (const puzzles::Figure &part : parts)
        figure = puzzles::joined(figure, part);
    return figure;
}

// The same puzzle drawn turned, mirrored or shifted must be found once.
TEST(PuzzleFamilies, AFigureTurnedMirroredOrShiftedHasOneCodeAndItsMatchesGiveItsEdgesBack)
{
    struct Row
    {
        const char *name, *figure, *same, *other;
    };
    const Row rows[] = {
        {"three squares in an L, mirrored and shifted", "h00 h01 h02 h11 h12 v00 v01 v10 v11 v21",
         "h24 h25 h33 h34 h35 v24 v33 v34 v43 v44", "h00 h01 h10 h11 h20 h21 v00 v10 v20 v30"},
        {"a triangle turned upside down and shifted", "d10 l10 r01", "d32 l42 r32",
         "d01 d10 l10 l11 r01"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(puzzles::canonicalCode(edges(row.figure)),
                  puzzles::canonicalCode(edges(row.same)));
        EXPECT_NE(puzzles::canonicalCode(edges(row.figure)),
                  puzzles::canonicalCode(edges(row.other)));
        const puzzles::Edges figure = edges(row.figure);
        EXPECT_EQ(
            puzzles::edgesUnder(puzzles::latticeOf(figure.front()), puzzles::figureOf(figure)),
            figure);
    }
}

// Every square or triangle counts, whatever its size.
TEST(PuzzleFamilies, FiguresHoldTheirShapesOfEverySize)
{
    using puzzles::upTriangle;
    const puzzles::Figure bigTriangle =
        unionOf({upTriangle(2, 0), upTriangle(1, 1), upTriangle(2, 1), upTriangle(0, 2),
                 upTriangle(1, 2), upTriangle(2, 2)});
    const puzzles::Figure hexagon =
        unionOf({upTriangle(1, 0), puzzles::downTriangle(1, 0), upTriangle(2, 0),
                 puzzles::downTriangle(1, 1), upTriangle(1, 1), puzzles::downTriangle(0, 1)});
    const auto shapes = [](Lattice lattice, const puzzles::Figure &figure) {
        return puzzles::outlinesWithin(puzzles::edgesUnder(lattice, figure)).size();
    };
    EXPECT_EQ(shapes(Lattice::Square, puzzles::squareGrid(3, 3)), 14u);
    EXPECT_EQ(shapes(Lattice::Triangle, bigTriangle), 13u);
    EXPECT_EQ(shapes(Lattice::Triangle, hexagon), 6u);
}

// Taking the middle match of each side of three by three leaves five equal
// squares, the only way to; so the puzzle is offered with its one answer.
TEST(PuzzleFamilies, TakingAwayFindsTheOnlyWayToLeaveFiveEqualSquaresOfNine)
{
    const puzzles::Edges grid = puzzles::edgesUnder(Lattice::Square, puzzles::squareGrid(3, 3));
    const std::vector<puzzles::Candidate> candidates = puzzles::takeAwayCandidates(grid, 4);
    const auto found =
        std::find_if(candidates.begin(), candidates.end(), [](const puzzles::Candidate &c) {
            return c.goal == "squares 5 equal" && c.moves == 4;
        });
    ASSERT_NE(found, candidates.end());
    EXPECT_EQ(puzzles::edgesUnder(Lattice::Square, found->solution),
              puzzles::edgesWithout(grid, edges("h10 h13 v01 v31")));
}

TEST(PuzzleFamilies, InstructionsSayHowManyMatchesToChangeAndWhatToMake)
{
    struct Row
    {
        Change change;
        int moves;
        const char *goal, *text;
    };
    const Row rows[] = {
        {Change::TakeAway, 4, "squares 5 equal",
         "Take away 4 matches (back to the matchbox) so that exactly 5 equal squares are left."},
        {Change::TakeAway, 2, "triangles 1",
         "Take away 2 matches (back to the matchbox) so that exactly 1 triangle is left."},
        {Change::Move, 1, "squares 3", "Move 1 match to make 3 squares."},
        {Change::Add, 2, "triangles 4", "Add 2 matches (from the matchbox) to make 4 triangles."},
        {Change::Move, 2, "equation", "Move 2 matches to make the sum true."},
    };
    for (const Row &row : rows)
        EXPECT_EQ(puzzles::instructionsFor(row.change, row.moves, row.goal), row.text);
}

// The data names only the change; a sum is built from the answer search's
// answer that reads as the true sum the data names.
TEST(PuzzleFamilies, ChosenDataBuildsThePuzzleItNames)
{
    const puzzles::PuzzleDefinition window = puzzles::chosenPuzzle(
        {"squares 3", "h00 h01 h02 h10 h11 h12 v00 v01 v10 v11 v20 v21", "-h00 -v00", 0, 0});
    EXPECT_EQ(window.solution.size(), 10u);
    EXPECT_EQ(puzzles::movesBetween(window.puzzle, window.solution), 2);
    EXPECT_EQ(window.instructions,
              "Take away 2 matches (back to the matchbox) so that exactly 3 squares are left.");
    const puzzles::PuzzleDefinition sum =
        puzzles::chosenPuzzle({"equation", "VIII - I = VI", "-1 +0 VII-I=VI", 0, 0});
    EXPECT_EQ(board::readEquation(puzzles::placementsOf(sum.solution, {}))->text, "VII-I=VI");
    EXPECT_EQ(sum.solution.size() + 1, sum.puzzle.size());
    EXPECT_THROW(puzzles::chosenPuzzle({"equation", "VIII - I = VI", "-1 +0 VI-I=V", 0, 0}),
                 std::invalid_argument);
}

// An answer may put a wide letter where a narrow one stood; as a stored
// solution it would show letters run together.
TEST(PuzzleFamilies, ASumIsSetClearOnlyWhileNoGlyphsTouch)
{
    puzzles::Figure sum = puzzles::sumFigure("XI - IV = XX");
    EXPECT_TRUE(puzzles::setClear(puzzles::placementsOf(sum, {})));
    puzzles::Match crowding = puzzles::typeset("XI - IV", 0)[1].front();
    crowding.centre.x += 6;
    sum.push_back(crowding);
    EXPECT_FALSE(puzzles::setClear(puzzles::placementsOf(sum, {})));
}

// Two lines of digit cells are too high for the box at the smallest window:
// laid out in the default size's box, the sum still reads as set and the
// well-known answers are found there.
TEST(PuzzleFamilies, ADigitSumNeedsTheTallBoxAndReadsAsSet)
{
    const storage::PuzzleRecord record =
        puzzles::recordOf(puzzles::chosenPuzzle({"equation", "6 + 4 = 4", "-1 +1 8-4=4", 0, 0}));
    EXPECT_EQ(board::readEquation(record.puzzle)->text, "6+4=4");
    EXPECT_FALSE(puzzles::liesIn(record.puzzle, puzzles::PuzzleArea));
    EXPECT_TRUE(puzzles::liesIn(record.puzzle, puzzles::TallPuzzleArea));
    const puzzles::Verification verification = puzzles::verify(record);
    EXPECT_TRUE(verification.problems.empty());
    std::set<std::string> sums;
    for (const board::Answer &answer : verification.answers)
        sums.insert(answer.achieved);
    EXPECT_EQ(sums, (std::set<std::string>{"8-4=4", "0+4=4"}));
}

// Answers the box cannot hold would be no answers to the player.
TEST(PuzzleFamilies, ALeanCentresTheAnswersWhenOneWouldLeaveTheBoxAndOnlyIfAllFit)
{
    const storage::MatchPlacement inside{100, 100, 0};
    storage::PuzzleRecord record;
    record.puzzle = {inside};
    const auto answer = [](int x) {
        return board::Answer{{{std::int16_t(x), 100, 0}}, 1, ""};
    };
    EXPECT_EQ(puzzles::leanToFit(record, {answer(200)})->x, 0);
    EXPECT_GT(puzzles::leanToFit(record, {answer(int(puzzles::PuzzleArea.left) - 10)})->x, 0);
    EXPECT_FALSE(puzzles::leanToFit(record, {answer(100 - int(puzzles::PuzzleArea.right))}));
}

} // namespace
