#include "board/AppIdentity.h"

#include <QApplication>
#include <QIcon>

namespace board {

void nameApplication(QApplication &app)
{
    app.setApplicationName(QStringLiteral("flintora"));
    app.setOrganizationName(QStringLiteral("Flintora"));
    // Without it a desktop shows the windows under a stranger's name and a
    // generic icon, not as its menu entry's.
    QGuiApplication::setDesktopFileName(QStringLiteral(FLINTORA_APP_ID));
    app.setWindowIcon(QIcon(QStringLiteral(":/desktop/flintora.png")));
}

} // namespace board
