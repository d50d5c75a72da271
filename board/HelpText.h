// The help text of the Instructions button, word for word.
#pragma once

#include <QString>

namespace board {

QString instructionsHelpText();

} // namespace board
