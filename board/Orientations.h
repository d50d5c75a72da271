// The sixteen fixed match orientations: index order is clockwise from
// upright (head up), so a clockwise turn adds 1 and an anticlockwise turn
// subtracts 1, both modulo 16.
#pragma once

#include <array>

namespace board {

constexpr int OrientationCount = 16;

struct OrientationInfo
{
    int angle; // degrees clockwise from up
    int width; // image size in pixels
    int height;
};

constexpr std::array<OrientationInfo, OrientationCount> Orientations = {{
    {0, 9, 95},
    {30, 55, 87},
    {45, 74, 74},
    {60, 87, 55},
    {90, 95, 9},
    {120, 87, 55},
    {135, 74, 74},
    {150, 55, 87},
    {180, 9, 95},
    {210, 55, 87},
    {225, 74, 74},
    {240, 87, 55},
    {270, 95, 9},
    {300, 87, 55},
    {315, 74, 74},
    {330, 55, 87},
}};

constexpr bool isOrientation(int k)
{
    return k >= 0 && k < OrientationCount;
}
constexpr int turnedClockwise(int k)
{
    return (k + 1) % OrientationCount;
}
constexpr int turnedAnticlockwise(int k)
{
    return (k + OrientationCount - 1) % OrientationCount;
}

} // namespace board
