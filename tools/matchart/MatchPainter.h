// Draws one match in one of the sixteen orientations on key green.
#pragma once

#include <QImage>

namespace matchart {

QImage matchImage(int orientation);

} // namespace matchart
