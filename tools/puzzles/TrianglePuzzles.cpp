// Equilateral triangles on the triangular lattice; every triangle counts,
// whatever its size, and every match left must belong to one.
#include "tools/puzzles/Puzzle.h"

namespace puzzles {
namespace {

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

PuzzleDefinition windmill()
{
    const Figure six = hexagon();
    return {"The hexagon",
            "Take away 3 matches (back to the matchbox) so that exactly 3 triangles are left.", six,
            without(six, {triangleEdge(1, 0, Side::DownLeft), triangleEdge(2, 0, Side::DownRight),
                          triangleEdge(0, 2, Side::Right)})};
}

PuzzleDefinition fiveToThree()
{
    const Figure big = unionOf({upTriangle(1, 0), upTriangle(0, 1), upTriangle(1, 1)});
    return {
        "Five triangles",
        "Nine matches make five triangles.\nMove 2 matches to make exactly 3 triangles.", big,
        joined(without(big, {triangleEdge(1, 0, Side::DownLeft), triangleEdge(0, 1, Side::Right)}),
               {triangleEdge(2, 0, Side::DownLeft), triangleEdge(1, 0, Side::Right)})};
}

PuzzleDefinition thirteenToSeven()
{
    const Figure big = unionOf({upTriangle(2, 0), upTriangle(1, 1), upTriangle(2, 1),
                                upTriangle(0, 2), upTriangle(1, 2), upTriangle(2, 2)});
    return {"Thirteen triangles",
            "The big triangle holds 13 triangles.\nTake away 3 matches (back to the matchbox) to "
            "leave 7 triangles.",
            big, without(big, downTriangle(1, 1))};
}

PuzzleDefinition rowOfFive()
{
    const Figure row = unionOf({upTriangle(1, 0), downTriangle(1, 0), upTriangle(2, 0),
                                downTriangle(2, 0), upTriangle(3, 0)});
    return {
        "Five in a row", "Move 2 matches to make 6 triangles.", row,
        joined(without(row, {triangleEdge(1, 0, Side::DownLeft), triangleEdge(0, 1, Side::Right)}),
               {triangleEdge(2, 1, Side::DownLeft), triangleEdge(1, 1, Side::DownRight)})};
}

} // namespace

void addTrianglePuzzles(std::vector<PuzzleDefinition> &puzzles)
{
    puzzles.push_back(aimedAt(fiveToThree(), "triangles 3"));
    puzzles.push_back(aimedAt(rowOfFive(), "triangles 6"));
    puzzles.push_back(aimedAt(windmill(), "triangles 3"));
    puzzles.push_back(aimedAt(thirteenToSeven(), "triangles 7"));
}

} // namespace puzzles
