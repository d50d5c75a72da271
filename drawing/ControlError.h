// The numbered run-time errors that property setters and methods raise to
// their caller: 380 invalid property value, 381 invalid property array index,
// 481 invalid picture. Callers catch them; they never reach an event loop.
// No name here is fixed by the program's design.
#pragma once

#include <stdexcept>

namespace drawing {

class ControlError : public std::runtime_error
{
public:
    static constexpr int InvalidPropertyValue = 380;
    static constexpr int InvalidPropertyArrayIndex = 381;
    static constexpr int InvalidPicture = 481;

    explicit ControlError(int number);
    int number() const { return m_number; }

    static const char *messageFor(int number);

private:
    int m_number;
};

} // namespace drawing
