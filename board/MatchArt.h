// The match and matchbox pictures, compiled into the program as resources.
#pragma once

#include <QImage>

namespace board {

// k must be an orientation index 0..15; the image is key green where no
// match is drawn.
const QImage &orientationImage(int k);
const QImage &matchboxImage();

} // namespace board
