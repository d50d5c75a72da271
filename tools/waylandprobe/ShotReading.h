// ShotReading -- finds the probe's balloon in a screenshot of the whole
// screen: its body by the colour that nothing else there has, and the tip
// of its pointer.
#pragma once

#include "drawing/GraphicsBas.h"

#include <QImage>
#include <QRect>
#include <optional>

namespace probe {

constexpr drawing::OleColor BalloonColor = drawing::rgb(64, 224, 160);

// Every pixel of the balloon's colour; empty when there is none.
QRect balloonBox(const QImage &shot);

// The pointer's tip near `near` (within reach pixels): the pixel of the
// balloon and its black outline, joined to its body, that lies farthest
// from the body, up or down.
std::optional<QPoint> pointerTip(const QImage &shot, QPoint near, int reach);

} // namespace probe
