#include "drawing/ControlError.h"

namespace drawing {

ControlError::ControlError(int number)
    : std::runtime_error(messageFor(number))
    , m_number(number)
{
}

const char *ControlError::messageFor(int number)
{
    switch (number) {
    case InvalidPropertyValue:
        return "Invalid property value";
    case InvalidPropertyArrayIndex:
        return "Invalid property array index";
    case InvalidPicture:
        return "Invalid picture";
    default:
        return "Application-defined or object-defined error";
    }
}

} // namespace drawing
