// Manual -- the bundled manual page (how to play, how to make puzzles),
// written out to a file so that a browser can open it.
// No name here is fixed by the program's design.
#pragma once

#include <QString>
#include <QUrl>

namespace dialogs {

// The manual as a local file, written afresh under the cache folder (or
// the temporary folder when that cannot be written). An empty URL and a
// reason when neither can be written.
QUrl bundledManualUrl(QString &problem);

} // namespace dialogs
