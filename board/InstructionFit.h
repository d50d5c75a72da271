// Choosing the instructions font size: the largest size from the designed
// one down whose wrapped text fits the room under the boxes. Every puzzle
// starts again from the designed size, so one long description does not
// leave every later puzzle in a tiny font.
#pragma once

#include <functional>

namespace board {

constexpr int InstructionPoints = 36;
constexpr int SmallestInstructionPoints = 12;

// heightAt(points) is the wrapped text's height at that size. Stops at the
// first size below the smallest even if the text is still too tall.
int fitInstructionPoints(const std::function<int(int points)> &heightAt, int limit);

// The room for the label: what lies under its top, less a bottom margin as
// wide as its left margin.
int instructionHeightLimit(int innerHeight, int labelTop, int labelLeft);

} // namespace board
