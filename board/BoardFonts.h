// The board's fonts are designed in Comic Sans MS. Linux desktops rarely
// have it, so each font names the faces to try in order: Comic Sans MS,
// then Comic Neue (Debian's fonts-comic-neue, drawn to match it), then the
// desktop's sans-serif.
#pragma once

#include <QFont>
#include <QString>

namespace board {

QFont comicFont(double points, bool bold = false);

// base, made smaller one point at a time (to minimumPoints at most) until
// text fits in width pixels on one line.
QFont fittingFont(const QFont &base, const QString &text, int width, double minimumPoints);

} // namespace board
