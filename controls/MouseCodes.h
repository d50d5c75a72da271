// The button and shift codes that the controls' mouse and key events carry:
// bit sets of left 1, right 2, middle 4 and of Shift 1, Ctrl 2, Alt 4.
// No name here is fixed by the program's design.
#pragma once

#include <Qt>

namespace controls {

constexpr short LeftButton = 1;
constexpr short RightButton = 2;
constexpr short MiddleButton = 4;
constexpr short ShiftKey = 1;
constexpr short CtrlKey = 2;
constexpr short AltKey = 4;

inline short buttonCode(Qt::MouseButtons buttons)
{
    return short((buttons.testFlag(Qt::LeftButton) ? LeftButton : 0) |
                 (buttons.testFlag(Qt::RightButton) ? RightButton : 0) |
                 (buttons.testFlag(Qt::MiddleButton) ? MiddleButton : 0));
}

inline short shiftCode(Qt::KeyboardModifiers modifiers)
{
    return short((modifiers.testFlag(Qt::ShiftModifier) ? ShiftKey : 0) |
                 (modifiers.testFlag(Qt::ControlModifier) ? CtrlKey : 0) |
                 (modifiers.testFlag(Qt::AltModifier) ? AltKey : 0));
}

} // namespace controls
