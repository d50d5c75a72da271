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

// The art at scale device pixels per logical pixel, key green wherever the
// 1x picture beneath is, so that it never reaches past the 1x hit shape.
QImage keyedOutside(const QImage &art, const QImage &oneX, int scale);

} // namespace matchart
