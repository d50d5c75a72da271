// AppIdentity -- what the program calls itself to the desktop: the names
// its settings and data folders go by, the desktop entry its windows belong
// to (Wayland's app id), and the icon its windows show.
// No name here is fixed by the program's design.
#pragma once

class QApplication;

namespace board {

void nameApplication(QApplication &app);

} // namespace board
