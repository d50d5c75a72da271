// Squares on the square lattice: take matches away or move them until the
// stated number of squares is left, every remaining match on a square.
#include "tools/puzzles/Puzzle.h"

namespace puzzles {
namespace {

Match h(int i, int j)
{
    return levelEdge(i, j);
}

Match v(int i, int j)
{
    return uprightEdge(i, j);
}

Figure moved(const Figure &figure, const Figure &from, const Figure &to)
{
    return joined(without(figure, from), to);
}

PuzzleDefinition twoOfFive()
{
    const Figure window = squareGrid(2, 2);
    return {"Two squares left",
            "Twelve matches make five squares.\nTake away 2 matches (back to the matchbox) to "
            "leave 2 squares.",
            window, without(window, {h(0, 1), v(1, 0)})};
}

PuzzleDefinition threeEqual()
{
    const Figure window = squareGrid(2, 2);
    return {"Three equal squares", "Move 3 matches to make 3 squares of the same size.", window,
            moved(window, {h(0, 0), v(0, 0), h(1, 2)}, {h(2, 1), h(2, 2), v(3, 1)})};
}

PuzzleDefinition nineToTwo()
{
    const Figure grid = squareGrid(3, 3);
    return {
        "Fourteen squares, two left",
        "Take away 8 matches (back to the matchbox) so that exactly 2 squares are left.", grid,
        without(grid, {h(0, 1), h(2, 1), h(0, 2), h(2, 2), v(1, 0), v(2, 0), v(1, 2), v(2, 2)})};
}

PuzzleDefinition nineToThree()
{
    const Figure grid = squareGrid(3, 3);
    return {"Fourteen squares, three left",
            "Take away 6 matches (back to the matchbox) so that exactly 3 squares are left.", grid,
            without(grid, {h(0, 1), h(1, 1), h(2, 1), v(1, 0), v(1, 1), v(1, 2)})};
}

PuzzleDefinition nineToFive()
{
    const Figure grid = squareGrid(3, 3);
    return {"Fourteen squares, five left",
            "Take away 4 matches (back to the matchbox) so that exactly 5 squares are left.", grid,
            without(grid, {h(1, 1), h(1, 2), v(1, 1), v(2, 1)})};
}

PuzzleDefinition sixToThree()
{
    const Figure grid = squareGrid(3, 2);
    return {"Eight squares, three left",
            "Seventeen matches make eight squares.\nTake away 5 matches (back to the matchbox) to "
            "leave 3 squares.",
            grid, squareOutlines({{0, 0}, {2, 0}, {1, 1}})};
}

PuzzleDefinition cross()
{
    const Figure cross = squareOutlines({{1, 0}, {0, 1}, {1, 1}, {2, 1}, {1, 2}});
    return {"The cross", "The cross has five squares.\nMove 2 matches to make 4 squares.", cross,
            moved(cross, {h(0, 1), v(1, 0)}, {h(0, 0), v(0, 0)})};
}

PuzzleDefinition spiral()
{
    const Figure spiral = {h(1, 1), v(2, 1), h(1, 2), h(0, 2), v(0, 1), v(0, 0),
                           h(0, 0), h(1, 0), h(2, 0), v(3, 0), v(3, 1), v(3, 2)};
    return {
        "The spiral", "Move 4 matches to turn the spiral into 2 squares.", spiral,
        moved(spiral, {h(1, 1), h(2, 0), v(3, 0), v(3, 1)}, {h(2, 2), h(2, 3), v(2, 0), v(2, 2)})};
}

} // namespace

void addSquarePuzzles(std::vector<PuzzleDefinition> &puzzles)
{
    puzzles.push_back(aimedAt(twoOfFive(), "squares 2"));
    puzzles.push_back(aimedAt(threeEqual(), "squares 3 equal"));
    puzzles.push_back(aimedAt(sixToThree(), "squares 3"));
    puzzles.push_back(aimedAt(nineToFive(), "squares 5"));
    puzzles.push_back(aimedAt(nineToThree(), "squares 3"));
    puzzles.push_back(aimedAt(nineToTwo(), "squares 2"));
    puzzles.push_back(aimedAt(cross(), "squares 4"));
    puzzles.push_back(aimedAt(spiral(), "squares 2"));
}

} // namespace puzzles
