// Turning a committed rectangle list into the region a widget's mask takes.
#pragma once

#include "board/HitShapes.h"

#include <QRegion>

namespace board {

QRegion shapeRegion(ShapeList shape);

} // namespace board
