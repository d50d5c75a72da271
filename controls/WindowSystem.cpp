#include "controls/WindowSystem.h"

#include <QGuiApplication>

namespace controls {

bool isWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace controls
