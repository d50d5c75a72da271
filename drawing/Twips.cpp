#include "drawing/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace drawing {
namespace {
constexpr double DefaultDpi = 96.0;

double dpi(bool horizontal)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return DefaultDpi;
    const double value = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return value > 0 ? value : DefaultDpi;
}
} // namespace

double twipsPerPixelX()
{
    return TwipsPerInch / dpi(true);
}
double twipsPerPixelY()
{
    return TwipsPerInch / dpi(false);
}

} // namespace drawing
