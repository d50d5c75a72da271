// The match and matchbox pictures, compiled into the program as resources.
#pragma once

#include <QImage>
#include <QString>

namespace board {

// One picture at 1x and at 2x. The 1x image, key green where no match is
// drawn, gives the picture's size in logical pixels and its hit shape; the
// 2x one is the same picture drawn inside that shape scaled up.
class ArtImage
{
public:
    // Loads base.png and base@2x.png.
    explicit ArtImage(const QString &base);

    const QImage &image() const { return m_oneX; }
    QSize size() const { return m_oneX.size(); }
    // What to draw on a device of this pixel ratio: the 2x picture above 1x,
    // its ratio set so that it covers size(), the key colour transparent.
    const QImage &forRatio(qreal devicePixelRatio) const;
    // Where a plain image is wanted, the 1x one.
    operator const QImage &() const { return m_oneX; }

private:
    QImage m_oneX;
    QImage m_shownOneX;
    QImage m_shownTwoX;
};

// k must be an orientation index 0..15.
const ArtImage &orientationImage(int k);
const ArtImage &matchboxImage();

} // namespace board
