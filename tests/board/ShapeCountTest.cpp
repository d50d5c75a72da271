#include "board/ShapeCount.h"

#include "MatchFigures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace board {
namespace {

using namespace figures;

// Unit triangles: one pointing up from its apex, one pointing down from its
// top left corner.
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

// Six unit triangles round corner (1, 1), shared sides once.
Arrangement hexagon()
{
    Arrangement box;
    for (const Arrangement &part : {upTriangle(1, 0), downTriangle(1, 0), upTriangle(2, 0),
                                    downTriangle(1, 1), upTriangle(1, 1), downTriangle(0, 1)})
        for (const MatchPlacement &m : part)
            if (std::find(box.begin(), box.end(), m) == box.end())
                box.push_back(m);
    return box;
}

// A triangle of the given side made of unit triangles pointing up, which
// share no side; apex at corner (side - 1, 0).
Arrangement bigTriangle(int side)
{
    Arrangement box;
    for (int b = 0; b < side; ++b)
        for (int a = side - 1 - b; a < side; ++a)
            box = plus(box, upTriangle(a, b));
    return box;
}

// clang-format off
// Expected: how many shapes, whether every match is used, whether all are one size.
const struct { const char *name; ShapeCount (*count)(const Arrangement &); Arrangement box;
               std::tuple<int, bool, bool> expected; } Counts[] = {
    {"grid of three by three", countSquares, grid(3, 3), {14, true, false}},
    {"grid without an outer match", countSquares,
     [] { auto box = grid(2, 2); box.erase(box.begin()); return box; }(), {3, false, true}},
    {"big square alone", countSquares, {{3, -5, 4}, {103, -5, 4}, {3, 196, 4}, {103, 196, 4},
     {-5, 3, 0}, {-5, 103, 0}, {196, 3, 0}, {196, 103, 0}}, {1, true, true}},
    {"grid shifted, by hand", countSquares, byHand(grid(2, 2), 37, -23), {5, true, false}},
    {"square match far off", countSquares, nudged(grid(2, 2), 0, 0, -30), {3, false, true}},
    {"heads turned round", countSquares, {{3, -5, 12}, {3, 96, 12}, {-5, 3, 8}, {96, 3, 8}},
     {1, true, true}},
    {"two squares apart off the lattice", countSquares,
     plus(grid(1, 1), shifted(grid(1, 1), 237, 61)), {2, true, true}},
    {"a loose match beside", countSquares, plus(grid(1, 1), {{250, 10, 2}}), {1, false, true}},
    {"two matches on one side", countSquares, plus(grid(1, 1), {grid(1, 1)[0]}), {1, false, true}},
    {"a triangle has no square", countSquares, upTriangle(1, 0), {0, false, true}},
    {"triangle of side three", countTriangles, bigTriangle(3), {13, true, false}},
    {"hexagon shifted, by hand", countTriangles, byHand(hexagon(), -61, 142), {6, true, true}},
    {"triangle match far off", countTriangles, nudged(bigTriangle(2), 0, 30, 0), {3, false, true}},
};
// clang-format on

TEST(ShapeCount, CountsShapesOfEverySizeEachPlacedOnItsOwn)
{
    for (const auto &c : Counts) {
        const ShapeCount seen = c.count(c.box);
        EXPECT_EQ(std::tie(seen.shapes, seen.everyMatchUsed, seen.allOneSize), c.expected)
            << c.name;
    }
}

} // namespace
} // namespace board
