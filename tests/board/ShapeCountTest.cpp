#include "board/ShapeCount.h"

#include "board/Orientations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

using board::Arrangement;
using board::countSquares;
using board::countTriangles;
using board::ShapeCount;

namespace {

constexpr double Pitch = 100;
const double Rise = Pitch * std::sqrt(3.0) / 2;

struct Point
{
    double x;
    double y;
};

// The match between two corners as a sprite stores it: its image centred on
// the middle of the two.
storage::MatchPlacement between(Point a, Point b, int orientation)
{
    const auto &image = board::Orientations[static_cast<size_t>(orientation)];
    return {static_cast<std::int16_t>(std::lround((a.x + b.x - image.width) / 2)),
            static_cast<std::int16_t>(std::lround((a.y + b.y - image.height) / 2)),
            static_cast<std::int16_t>(orientation)};
}

// Square lattice: the level edge right of corner (i, j), the upright one below it.
storage::MatchPlacement level(int i, int j)
{
    return between({i * Pitch, j * Pitch}, {(i + 1) * Pitch, j * Pitch}, 4);
}

storage::MatchPlacement upright(int i, int j)
{
    return between({i * Pitch, j * Pitch}, {i * Pitch, (j + 1) * Pitch}, 0);
}

Arrangement grid(int columns, int rows)
{
    Arrangement box;
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i < columns; ++i)
            box.push_back(level(i, j));
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i <= columns; ++i)
            box.push_back(upright(i, j));
    return box;
}

Arrangement bigSquareOutline()
{
    return {level(0, 0),   level(1, 0),   level(0, 2),   level(1, 2),
            upright(0, 0), upright(0, 1), upright(2, 0), upright(2, 1)};
}

// Triangular lattice: each row half a pitch right of the row above.
Point corner(int a, int b)
{
    return {(a + b / 2.0) * Pitch, b * Rise};
}

Arrangement upTriangle(int a, int b)
{
    return {between(corner(a, b), corner(a - 1, b + 1), 1),
            between(corner(a, b), corner(a, b + 1), 15),
            between(corner(a - 1, b + 1), corner(a, b + 1), 4)};
}

Arrangement downTriangle(int a, int b)
{
    return {between(corner(a, b), corner(a + 1, b), 4), between(corner(a, b), corner(a, b + 1), 15),
            between(corner(a + 1, b), corner(a, b + 1), 1)};
}

// The parts' matches, shared sides once.
Arrangement joined(const std::vector<Arrangement> &parts)
{
    Arrangement box;
    for (const Arrangement &part : parts)
        for (const storage::MatchPlacement &m : part)
            if (std::find(box.begin(), box.end(), m) == box.end())
                box.push_back(m);
    return box;
}

Arrangement hexagon()
{
    return joined({upTriangle(1, 0), downTriangle(1, 0), upTriangle(2, 0), downTriangle(1, 1),
                   upTriangle(1, 1), downTriangle(0, 1)});
}

// A triangle of the given side made of unit triangles, apex at corner (side - 1, 0).
Arrangement bigTriangle(int side)
{
    std::vector<Arrangement> parts;
    for (int b = 0; b < side; ++b)
        for (int a = side - 1 - b; a < side; ++a)
            parts.push_back(upTriangle(a, b));
    return joined(parts);
}

Arrangement shifted(Arrangement box, int dx, int dy)
{
    for (storage::MatchPlacement &m : box) {
        m.x = static_cast<std::int16_t>(m.x + dx);
        m.y = static_cast<std::int16_t>(m.y + dy);
    }
    return box;
}

Arrangement nudged(Arrangement box, size_t match, int dx, int dy)
{
    box[match].x = static_cast<std::int16_t>(box[match].x + dx);
    box[match].y = static_cast<std::int16_t>(box[match].y + dy);
    return box;
}

Arrangement without(Arrangement box, size_t match)
{
    box.erase(box.begin() + static_cast<std::ptrdiff_t>(match));
    return box;
}

Arrangement turnedRound(Arrangement box)
{
    for (storage::MatchPlacement &m : box)
        m.o = static_cast<std::int16_t>((m.o + board::OrientationCount / 2) %
                                        board::OrientationCount);
    return box;
}

Arrangement plus(Arrangement box, const Arrangement &more)
{
    box.insert(box.end(), more.begin(), more.end());
    return box;
}

Arrangement byHand(Arrangement box)
{
    const int nudges[][2] = {{9, -6}, {-8, 7}, {5, 10}, {-10, -4}, {7, 3}, {-3, -9}};
    for (size_t k = 0; k < box.size(); ++k)
        box = nudged(box, k, nudges[k % 6][0], nudges[k % 6][1]);
    return box;
}

const Arrangement UnitSquare = grid(1, 1);

struct CountCase
{
    const char *name;
    ShapeCount (*count)(const Arrangement &);
    Arrangement box;
    ShapeCount expected;
};

class ShapeCountTest : public ::testing::TestWithParam<CountCase>
{
};

TEST_P(ShapeCountTest, CountsShapesOfEverySize)
{
    const ShapeCount found = GetParam().count(GetParam().box);
    const ShapeCount &expected = GetParam().expected;
    EXPECT_EQ(std::tie(found.shapes, found.everyMatchUsed, found.allOneSize),
              std::tie(expected.shapes, expected.everyMatchUsed, expected.allOneSize));
}

INSTANTIATE_TEST_SUITE_P(
    Squares, ShapeCountTest,
    ::testing::Values(
        CountCase{"gridOfThreeByThree", countSquares, grid(3, 3), {14, true, false}},
        CountCase{"gridOfTwoByTwo", countSquares, grid(2, 2), {5, true, false}},
        CountCase{
            "gridWithoutAnOuterMatch", countSquares, without(grid(2, 2), 0), {3, false, true}},
        CountCase{"bigSquareAlone", countSquares, bigSquareOutline(), {1, true, true}},
        CountCase{"shiftedInTheBox", countSquares, shifted(grid(2, 2), 37, -23), {5, true, false}},
        CountCase{
            "placedByHandWithinTolerance", countSquares, byHand(grid(2, 2)), {5, true, false}},
        CountCase{
            "oneMatchTooFarOff", countSquares, nudged(grid(2, 2), 0, 0, -30), {3, false, true}},
        CountCase{"headsTurnedRound", countSquares, turnedRound(UnitSquare), {1, true, true}},
        CountCase{"twoSquaresApartOffTheLattice",
                  countSquares,
                  plus(UnitSquare, shifted(UnitSquare, 237, 61)),
                  {2, true, true}},
        CountCase{
            "aLooseMatchBeside", countSquares, plus(UnitSquare, {{250, 10, 2}}), {1, false, true}},
        CountCase{"twoMatchesOnOneSide",
                  countSquares,
                  plus(UnitSquare, {UnitSquare.front()}),
                  {1, false, true}},
        CountCase{"aTriangleHasNoSquare", countSquares, upTriangle(1, 0), {0, false, true}}),
    [](const ::testing::TestParamInfo<CountCase> &info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Triangles, ShapeCountTest,
    ::testing::Values(
        CountCase{"hexagonOfSix", countTriangles, hexagon(), {6, true, true}},
        CountCase{"triangleOfSideTwo", countTriangles, bigTriangle(2), {5, true, false}},
        CountCase{"triangleOfSideThree", countTriangles, bigTriangle(3), {13, true, false}},
        CountCase{"downTriangleAlone", countTriangles, downTriangle(0, 0), {1, true, true}},
        CountCase{"hexagonShiftedAndPlacedByHand",
                  countTriangles,
                  byHand(shifted(hexagon(), -61, 142)),
                  {6, true, true}},
        CountCase{"oneMatchTooFarOff",
                  countTriangles,
                  nudged(bigTriangle(2), 0, 30, 0),
                  {3, false, true}}),
    [](const ::testing::TestParamInfo<CountCase> &info) { return info.param.name; });

} // namespace
