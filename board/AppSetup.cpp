#include "board/AppSetup.h"

#include "drawing/LightPalette.h"

#include <QApplication>
#include <QIcon>

namespace board {

void setUpApplication(QApplication &app)
{
    app.setApplicationName(QStringLiteral("flintora"));
    app.setOrganizationName(QStringLiteral("Flintora"));
    // Without it a desktop shows the windows under a stranger's name and a
    // generic icon, not as its menu entry's.
    QGuiApplication::setDesktopFileName(QStringLiteral(FLINTORA_APP_ID));
    app.setWindowIcon(QIcon(QStringLiteral(":/desktop/flintora.png")));
    // The game paints its own light backgrounds and writes on them in the
    // system's text colours; a dark desktop's would be light on light.
    QApplication::setPalette(drawing::lightPalette());
}

} // namespace board
