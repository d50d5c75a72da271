// Draws the open matchbox that the spare matches stand on.
#pragma once

#include <QImage>

namespace matchart {

constexpr int BoxWidth = 165;
constexpr int BoxHeight = 112;

// scale is the device pixels per logical pixel.
QImage matchboxImage(int scale);

} // namespace matchart
