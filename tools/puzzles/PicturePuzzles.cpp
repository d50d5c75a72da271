// Pictures drawn in matches that have to turn round or change: the goal is
// the stored figure, anywhere in the box.
#include "tools/puzzles/Puzzle.h"

#include <cmath>

namespace puzzles {
namespace {

// Half the space a lattice edge leaves around its match.
constexpr double EndGap = (Pitch - MatchLength) / 2;

// Corners of the square lattice turned by 45 degrees: one step along a
// diagonal is one pitch long.
Point diagonalPoint(double p, double q)
{
    const double step = Pitch / std::sqrt(2.0);
    return {p * step, q * step};
}

Match between(Point a, Point b)
{
    return matchBetween(a, b);
}

// A match that starts next to a corner and points away from it.
Match sticking(Point from, double degrees)
{
    const double a = degrees * 3.14159265358979323846 / 180;
    const Point dir{std::sin(a), -std::cos(a)};
    const Point tail{from.x + dir.x * EndGap, from.y + dir.y * EndGap};
    return matchBetween(tail, {tail.x + dir.x * MatchLength, tail.y + dir.y * MatchLength});
}

Figure moved(const Figure &figure, const Figure &from, const Figure &to)
{
    return joined(without(figure, from), to);
}

PuzzleDefinition fish()
{
    const auto d = diagonalPoint;
    const Figure body = {between(d(0, 1), d(1, 0)), between(d(1, 0), d(2, 1)),
                         between(d(2, 1), d(1, 2)), between(d(1, 2), d(0, 1))};
    const Figure tail = {between(d(2, 1), d(3, 0)), between(d(2, 1), d(3, 2))};
    const Figure fish = joined(body, tail);
    return {"The fish", "The fish swims to the left.\nMove 2 matches to make it swim to the right.",
            fish,
            moved(fish, {between(d(0, 1), d(1, 0)), between(d(1, 2), d(0, 1))},
                  {between(d(3, 0), d(4, 1)), between(d(4, 1), d(3, 2))})};
}

PuzzleDefinition cherry()
{
    const auto g = gridPoint;
    // The cherry on its stick keeps its head down in the glass.
    const Point cherryAt = g(0.5, 0.55);
    const Match stick = matchFrom(
        {cherryAt.x - MatchLength / std::sqrt(2.0), cherryAt.y - MatchLength / std::sqrt(2.0)},
        cherryAt);
    const Figure glass = {uprightEdge(0, 0), levelEdge(0, 1), uprightEdge(1, 0),
                          between(g(0.5, 1), g(0.5, 2)), stick};
    return {"The cherry",
            "Move 2 matches to get the cherry out of the glass.\n"
            "The glass may turn but keeps its shape.",
            glass,
            moved(glass, {uprightEdge(0, 0), levelEdge(0, 1)},
                  {between(g(0.5, 1), g(1.5, 1)), between(g(1.5, 1), g(1.5, 2))})};
}

// The pig is a pitch long: a longer one could not turn round in the box,
// where the snout in front of its body would stand where the tail was.
PuzzleDefinition pig()
{
    const auto g = gridPoint;
    const Figure body = {levelEdge(1, 1),   levelEdge(1, 2),   uprightEdge(1, 1),
                         uprightEdge(2, 1), uprightEdge(1, 2), uprightEdge(2, 2)};
    const Match snoutLeft = between(g(0, 1.5), g(1, 1.5));
    const Match tailRight = sticking(g(2, 1), 30);
    PuzzleDefinition pig{"The pig",
                         "The pig looks to the left.\nMove 2 matches to make it look to the right.",
                         joined(body, {snoutLeft, tailRight}),
                         joined(body, {between(g(2, 1.5), g(3, 1.5)), sticking(g(1, 1), 330)})};
    pig.centredApart = true;
    return pig;
}

PuzzleDefinition house()
{
    const auto g = gridPoint;
    const double rise = std::sqrt(3.0) / 2;
    const Point ridgeFront = g(0.5, -rise);
    const Point ridgeBack = g(1.5, -rise);
    const Figure walls = {uprightEdge(0, 0), uprightEdge(1, 0), uprightEdge(2, 0), levelEdge(0, 1),
                          levelEdge(1, 1)};
    const Figure roof = {between(g(0, 0), ridgeFront), between(ridgeFront, g(1, 0)),
                         between(ridgeFront, ridgeBack), between(ridgeBack, g(2, 0)),
                         levelEdge(1, 0)};
    const Figure house = joined(walls, roof);
    return {"The house",
            "The house faces to the left.\nMove 2 matches to make it face to the right.", house,
            moved(house, {between(ridgeFront, g(1, 0)), levelEdge(1, 0)},
                  {between(g(1, 0), ridgeBack), levelEdge(0, 0)})};
}

// Any two squares would do, were there room; a spiral three squares wide
// leaves none in the box, so the figure is the goal.
PuzzleDefinition spiral()
{
    const auto h = levelEdge;
    const auto v = uprightEdge;
    const Figure spiral = {h(1, 1), v(2, 1), h(1, 2), h(0, 2), v(0, 1), v(0, 0),
                           h(0, 0), h(1, 0), h(2, 0), v(3, 0), v(3, 1), v(3, 2)};
    return {
        "The spiral", "Move 4 matches to turn the spiral into a big square and a small one.",
        spiral,
        moved(spiral, {h(1, 1), h(2, 0), v(3, 0), v(3, 1)}, {h(2, 2), h(2, 3), v(2, 0), v(2, 2)})};
}

} // namespace

std::vector<PuzzleDefinition> picturePuzzles()
{
    std::vector<PuzzleDefinition> pictures;
    for (const PuzzleDefinition &picture : {fish(), cherry(), pig(), house(), spiral()})
        pictures.push_back(aimedAt(picture, "figure"));
    return pictures;
}

} // namespace puzzles
