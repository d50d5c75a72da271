// Squares on the square lattice: take matches away, move them or add some
// until the stated number of squares is there, every match on a square.
#include "tools/puzzles/LatticeFamilies.h"

namespace puzzles {
namespace {

// Figures of two to nine unit squares; more taken away than eight leaves
// little to find.
constexpr int FewestCells = 2;
constexpr int MostCells = 9;
constexpr int MostTakenAway = 8;
constexpr int MostMoved = 3;

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

std::vector<Candidate> classics()
{
    const Figure window = squareGrid(2, 2);
    const Figure grid = squareGrid(3, 3);
    const Figure cross = squareOutlines({{1, 0}, {0, 1}, {1, 1}, {2, 1}, {1, 2}});
    return {
        classicCandidate("squares 2", window, without(window, {h(0, 1), v(1, 0)})),
        classicCandidate("squares 3", window, without(window, {h(0, 0), v(0, 0)})),
        // The third square stands above the window, where the answers that
        // turn the other way find room too.
        classicCandidate(
            "squares 3 equal", window,
            moved(window, {v(0, 0), h(1, 2), v(2, 1)}, {h(0, -1), v(0, -1), v(1, -1)})),
        classicCandidate("squares 3", squareGrid(3, 2), squareOutlines({{0, 0}, {2, 0}, {1, 1}})),
        classicCandidate("squares 5", grid, without(grid, {h(1, 1), h(1, 2), v(1, 1), v(2, 1)})),
        classicCandidate("squares 5 equal", grid,
                         without(grid, {h(1, 0), h(1, 3), v(0, 1), v(3, 1)})),
        classicCandidate("squares 3", grid,
                         without(grid, {h(0, 1), h(1, 1), h(2, 1), v(1, 0), v(1, 1), v(1, 2)})),
        classicCandidate("squares 2", grid,
                         without(grid, {h(0, 1), h(2, 1), h(0, 2), h(2, 2), v(1, 0), v(2, 0),
                                        v(1, 2), v(2, 2)})),
        classicCandidate("squares 4", cross, moved(cross, {h(0, 1), v(1, 0)}, {h(0, 0), v(0, 0)})),
    };
}

} // namespace

std::vector<Candidate> squareCandidates()
{
    std::vector<Candidate> candidates = classics();
    const std::vector<Candidate> made =
        cellFigureCandidates(Lattice::Square, FewestCells, MostCells, MostTakenAway, MostMoved);
    candidates.insert(candidates.end(), made.begin(), made.end());
    return candidates;
}

} // namespace puzzles
