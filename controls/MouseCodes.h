// Qt's buttons and modifiers as the codes that the controls' mouse and key
// events carry. No name here is fixed by the program's design.
#pragma once

#include "controls/MouseButtonCodes.h"

#include <Qt>

namespace controls {

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
