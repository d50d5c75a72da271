// Draws one match in one of the sixteen orientations on key green, at scale
// device pixels per logical pixel.
#pragma once

#include <QImage>

namespace matchart {

QImage matchImage(int orientation, int scale);

} // namespace matchart
