// Checks on pictures painted where a window pixel is several device pixels,
// and counts of the pixels of a picture.
#pragma once

#include <QImage>
#include <QRect>

// Art scaled up from 1x to 2x: every aligned 2 x 2 block of device pixels in
// area is one colour.
inline bool blownUp(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y < area.bottom(); y += 2)
        for (int x = area.left(); x < area.right(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                image.pixel(x + 1, y + 1) != c)
                return false;
        }
    return true;
}

// How many pixels in area pass the test.
template<typename Test>
int pixelsWhere(const QImage &image, const QRect &area, Test test)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// The pure green that art keys out, or a blend of it with a neighbour.
inline int greenishPixels(const QImage &image, const QRect &area)
{
    return pixelsWhere(
        image, area, [](QRgb c) { return qGreen(c) > 160 && qRed(c) < 120 && qBlue(c) < 120; });
}
