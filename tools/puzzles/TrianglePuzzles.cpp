// Equilateral triangles on the triangular lattice; every triangle counts,
// whatever its size, and every match left must belong to one.
#include "tools/puzzles/LatticeFamilies.h"

namespace puzzles {
namespace {

// Figures of two to nine unit triangles: rows, the hexagon, the big
// triangles of four and nine and all between that fit a box.
constexpr int FewestCells = 2;
constexpr int MostCells = 9;
constexpr int MostTakenAway = 6;
constexpr int MostMoved = 3;

Figure unionOf(const std::vector<Figure> &parts)
{
    Figure figure;
    for (const Figure &part : parts)
        figure = joined(figure, part);
    return figure;
}

Figure hexagon()
{
    return unionOf({upTriangle(1, 0), downTriangle(1, 0), upTriangle(2, 0), downTriangle(1, 1),
                    upTriangle(1, 1), downTriangle(0, 1)});
}

std::vector<Candidate> classics()
{
    const Figure six = hexagon();
    const Figure five = unionOf({upTriangle(1, 0), upTriangle(0, 1), upTriangle(1, 1)});
    const Figure thirteen = unionOf({upTriangle(2, 0), upTriangle(1, 1), upTriangle(2, 1),
                                     upTriangle(0, 2), upTriangle(1, 2), upTriangle(2, 2)});
    const Figure row = unionOf({upTriangle(1, 0), downTriangle(1, 0), upTriangle(2, 0),
                                downTriangle(2, 0), upTriangle(3, 0)});
    return {
        classicCandidate(
            "triangles 3", five,
            joined(without(five,
                           {triangleEdge(1, 0, Side::DownLeft), triangleEdge(0, 1, Side::Right)}),
                   {triangleEdge(2, 0, Side::DownLeft), triangleEdge(1, 0, Side::Right)})),
        classicCandidate(
            "triangles 6", row,
            joined(
                without(row, {triangleEdge(1, 0, Side::DownLeft), triangleEdge(0, 1, Side::Right)}),
                {triangleEdge(2, 1, Side::DownLeft), triangleEdge(1, 1, Side::DownRight)})),
        classicCandidate(
            "triangles 3", six,
            without(six, {triangleEdge(1, 0, Side::DownLeft), triangleEdge(2, 0, Side::DownRight),
                          triangleEdge(0, 2, Side::Right)})),
        classicCandidate("triangles 7", thirteen, without(thirteen, downTriangle(1, 1))),
    };
}

} // namespace

std::vector<Candidate> triangleCandidates()
{
    std::vector<Candidate> candidates = classics();
    const std::vector<Candidate> made =
        cellFigureCandidates(Lattice::Triangle, FewestCells, MostCells, MostTakenAway, MostMoved);
    candidates.insert(candidates.end(), made.begin(), made.end());
    return candidates;
}

} // namespace puzzles
