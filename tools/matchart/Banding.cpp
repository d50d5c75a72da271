#include "Banding.h"

#include <utility>

namespace matchart {
namespace {

using Runs = QVector<std::pair<int, int>>;

Runs rowRuns(const QImage &image, int y)
{
    Runs runs;
    int x = 0;
    while (x < image.width()) {
        while (x < image.width() && image.pixel(x, y) == KeyGreen)
            ++x;
        const int start = x;
        while (x < image.width() && image.pixel(x, y) != KeyGreen)
            ++x;
        if (x > start)
            runs.append({start, x});
    }
    return runs;
}

} // namespace

QVector<Band> bandedRects(const QImage &image)
{
    QVector<Band> rects;
    int y = 0;
    while (y < image.height()) {
        const Runs runs = rowRuns(image, y);
        int end = y + 1;
        while (end < image.height() && rowRuns(image, end) == runs)
            ++end;
        for (const auto &[left, right] : runs)
            rects.append({left, y, right, end});
        y = end;
    }
    return rects;
}

QImage keyedOutside(const QImage &art, const QImage &oneX, int scale)
{
    QImage out = art;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (oneX.pixel(x / scale, y / scale) == KeyGreen)
                out.setPixel(x, y, KeyGreen);
    return out;
}

} // namespace matchart
