// IconStrip -- the message window's twelve 16 x 16 icon cells side by side;
// pure green marks transparent pixels. Cells (1-based): 1 stop, 2
// exclamation, 3 information, 4 question, 5 to 7 further icons, 8 spare,
// 9 to 11 the close button's normal, hover and pressed faces, 12 spare.
#pragma once

#include <QColor>
#include <QPixmap>

namespace dialogs {

// Names fixed by the program's design: keep them as they are.
// Cell k (1-based) drawn over the background colour; drawn at 2x for a
// screen of more than one device pixel to a window pixel.
QPixmap DrawStripIcon(int cell, int size, QColor background, qreal devicePixelRatio = 1);

// Project extensions.
constexpr int StripCellSize = 16;

// The timed message's close-image faces.
constexpr int CloseNormalCell = 9;
constexpr int CloseHoverCell = 10;
constexpr int ClosePressedCell = 11;

// The cell that the icon bits (mFlags And 112) choose; 0 for no icon.
int StripCellForFlags(int mFlags);

} // namespace dialogs
