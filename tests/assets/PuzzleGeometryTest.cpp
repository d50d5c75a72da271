// Segments become sprites: the orientation follows the direction, the image
// is centred on the segment, and matches of a figure keep their distances.
#include "tools/puzzles/Figure.h"
#include "tools/puzzles/Puzzle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

using puzzles::Point;

struct SegmentCase
{
    const char *name;
    Point tail, head;
    int orientation;
    int x, y; // top-left of the orientation image
};

TEST(PuzzleGeometry, ASegmentGetsTheOrientationOfItsDirectionAndAnImageCentredOnIt)
{
    const double r = std::sqrt(3.0) / 2 * 100;
    const SegmentCase cases[] = {
        {"upright, head up", {0, 100}, {0, 0}, 0, -4, 3},
        {"level, head right", {0, 0}, {100, 0}, 4, 3, -4},
        {"level, head left", {100, 0}, {0, 0}, 12, 3, -4},
        {"hanging, head down", {0, 0}, {0, 100}, 8, -4, 3},
        {"30 degrees", {0, r}, {50, 0}, 1, -2, 0},
        {"330 degrees", {50, r}, {0, 0}, 15, -2, 0},
        {"135 degrees", {0, 0}, {70.71, 70.71}, 6, -2, -2},
    };
    for (const SegmentCase &c : cases) {
        const storage::MatchPlacement p =
            puzzles::placementOf(puzzles::matchFrom(c.tail, c.head), {0, 0});
        EXPECT_EQ(std::tuple(p.o, p.x, p.y), std::tuple(c.orientation, c.x, c.y)) << c.name;
    }
}

// Neither can be laid out as a puzzle's matches.
TEST(PuzzleGeometry, ADirectionBetweenTheSixteenOrientationsOrAFigureTooLargeIsRefused)
{
    EXPECT_THROW(puzzles::matchFrom({0, 0}, {100, 20}), std::invalid_argument);
    EXPECT_THROW(puzzles::matchFrom({0, 0}, {100, -10}), std::invalid_argument);
    const puzzles::PuzzleDefinition tooWide{"Too wide", "Move 1 match.", puzzles::squareGrid(4, 1),
                                            puzzles::squareGrid(4, 1)};
    EXPECT_THROW(puzzles::recordOf(tooWide), std::invalid_argument);
}

// The convention puts heads up or right. Two matches meeting at a corner:
// the gap between their ends is the lattice's spare length, whatever their
// orientations.
TEST(PuzzleGeometry, EdgesPointUpOrRightAndKeepTheirDistanceAfterPlacement)
{
    const storage::MatchPlacement a = puzzles::placementOf(puzzles::levelEdge(0, 0), {7, 7});
    const storage::MatchPlacement b = puzzles::placementOf(puzzles::levelEdge(1, 0), {7, 7});
    const storage::MatchPlacement c = puzzles::placementOf(puzzles::uprightEdge(1, 0), {7, 7});
    EXPECT_EQ(a.o, 4);
    EXPECT_EQ(c.o, 0);
    EXPECT_EQ(puzzles::triangleEdge(1, 0, puzzles::Side::DownLeft).orientation, 1);
    EXPECT_EQ(puzzles::triangleEdge(1, 0, puzzles::Side::DownRight).orientation, 15);
    EXPECT_EQ(b.x - a.x, int(puzzles::Pitch));
    EXPECT_EQ(b.y, a.y);
    EXPECT_EQ(c.y - a.y, 7); // 2.5 px of spare length plus half a level match, rounded
}

// Neighbouring squares share their edge; taking away a match the figure
// lacks is a mistake in the puzzle.
TEST(PuzzleGeometry, SquaresShareEdgesAndOnlyTheirOwnMatchesCanBeTakenAway)
{
    const puzzles::Figure square = puzzles::squareOutlines({{0, 0}});
    EXPECT_EQ(square.size(), 4u);
    EXPECT_EQ(puzzles::squareOutlines({{0, 0}, {1, 0}}).size(), 7u);
    EXPECT_EQ(puzzles::without(square, {puzzles::levelEdge(0, 1)}).size(), 3u);
    EXPECT_THROW(puzzles::without(square, {puzzles::levelEdge(5, 5)}), std::invalid_argument);
}

} // namespace
