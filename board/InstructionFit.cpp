#include "board/InstructionFit.h"

namespace board {

int fitInstructionPoints(const std::function<int(int points)> &heightAt, int limit)
{
    int points = InstructionPoints;
    while (heightAt(points) > limit) {
        --points;
        if (points < SmallestInstructionPoints)
            break;
    }
    return points;
}

int instructionHeightLimit(int innerHeight, int labelTop, int labelLeft)
{
    return innerHeight - labelTop - labelLeft;
}

} // namespace board
