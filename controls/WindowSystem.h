// WindowSystem -- which window system the program runs on, where that
// changes what it may do with its windows. On Wayland the compositor alone
// places top-level windows (move() is ignored; only a pop-up goes where the
// program asks, relative to the window it belongs to), the pointer is seen
// only while it is over one of the program's windows, and translucent
// windows are composited but the screen cannot be read.
// No name here is fixed by the program's design.
#pragma once

namespace controls {

bool isWayland();

} // namespace controls
