// Every position and size the board gives a widget is rounded here, once, to
// the nearest whole pixel with ties to even (so 421.5 becomes 422 and 182.5
// becomes 182). Later steps read the rounded value back, as they would read
// it from the widget.
#pragma once

#include <cmath>

namespace board {

inline int roundPixel(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

} // namespace board
