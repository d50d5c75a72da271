// AppSetup -- what the program tells the desktop and takes from it: the
// names its settings and data folders go by, the desktop entry its windows
// belong to (Wayland's app id), the icon its windows show, and the colours
// its windows are drawn in.
// No name here is fixed by the program's design.
#pragma once

class QApplication;

namespace board {

void setUpApplication(QApplication &app);

} // namespace board
