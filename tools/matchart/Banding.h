// Banded rectangle lists: each row split into maximal runs of non-key
// pixels, equal neighbouring rows merged into one band, rectangles ordered
// by band top then left, right and bottom exclusive.
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QVector>

namespace matchart {

constexpr QRgb KeyGreen = 0xff00ff00;

struct Band
{
    int left;
    int top;
    int right;
    int bottom;
};

QVector<Band> bandedRects(const QImage &image);

} // namespace matchart
