// ShellOpen -- hands a link to the desktop (browser, mail program). The
// opener can be replaced, so that tests see the link without starting a
// program.
// No name here is fixed by the program's design.
#pragma once

#include <QUrl>
#include <functional>

namespace dialogs {

using UrlOpener = std::function<bool(const QUrl &)>;

// Returns the opener that was in use.
UrlOpener setUrlOpener(UrlOpener opener);

// False when no program took the link; the user is told so.
bool ShellOpen(const QUrl &url);

} // namespace dialogs
