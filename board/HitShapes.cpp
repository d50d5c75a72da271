// Placeholder until the generated art data replaces it: whole image
// rectangles.
#include "board/HitShapes.h"

#include "board/Orientations.h"

namespace board {
namespace {
constexpr ShapeRect Whole[OrientationCount] = {
    {0, 0, 9, 95},  {0, 0, 55, 87}, {0, 0, 74, 74}, {0, 0, 87, 55}, {0, 0, 95, 9},  {0, 0, 87, 55},
    {0, 0, 74, 74}, {0, 0, 55, 87}, {0, 0, 9, 95},  {0, 0, 55, 87}, {0, 0, 74, 74}, {0, 0, 87, 55},
    {0, 0, 95, 9},  {0, 0, 87, 55}, {0, 0, 74, 74}, {0, 0, 55, 87},
};
constexpr ShapeRect Matchbox[1] = {{0, 0, 165, 112}};
} // namespace

ShapeList orientationShape(int k)
{
    return {&Whole[k], 1};
}
ShapeList matchboxShape()
{
    return {Matchbox, 1};
}

} // namespace board
