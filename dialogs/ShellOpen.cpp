#include "dialogs/ShellOpen.h"

#include "dialogs/msgFrm.h"

#include <QDesktopServices>

namespace dialogs {

namespace {

constexpr int InfoOK = 64;

UrlOpener &currentOpener()
{
    static UrlOpener opener = [](const QUrl &url) {
        return QDesktopServices::openUrl(url);
    };
    return opener;
}

} // namespace

UrlOpener setUrlOpener(UrlOpener opener)
{
    UrlOpener previous = std::move(currentOpener());
    currentOpener() = std::move(opener);
    return previous;
}

bool ShellOpen(const QUrl &url)
{
    if (currentOpener()(url))
        return true;
    msg_Box(QStringLiteral("No program on this computer could open\n%1").arg(url.toDisplayString()),
            InfoOK, QStringLiteral("Link not opened"), true);
    return false;
}

} // namespace dialogs
