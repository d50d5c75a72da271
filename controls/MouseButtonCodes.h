// The button and shift codes that the controls' mouse and key events carry:
// bit sets of left 1, right 2, middle 4 and of Shift 1, Ctrl 2, Alt 4. Plain
// constants, so code without Qt reads the same codes. No name here is fixed
// by the program's design.
#pragma once

namespace controls {

constexpr short LeftButton = 1;
constexpr short RightButton = 2;
constexpr short MiddleButton = 4;
constexpr short ShiftKey = 1;
constexpr short CtrlKey = 2;
constexpr short AltKey = 4;

} // namespace controls
