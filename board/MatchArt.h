// The match and matchbox pictures, compiled into the program as resources.
#pragma once

#include <QImage>
#include <QString>

namespace board {

// One picture at 1x and at 2x. The 1x picture gives the size in logical
// pixels and the hit shape; the 2x one is the same picture drawn inside that
// shape scaled up. Both are drawn with the key colour transparent.
class ArtImage
{
public:
    // Loads base.png and base@2x.png.
    explicit ArtImage(const QString &base);

    QSize size() const { return m_keyed.size(); }
    // What to draw on a device of this pixel ratio: the 2x picture above 1x,
    // its ratio set so that it covers size().
    const QImage &forRatio(qreal devicePixelRatio) const;
    // Where a plain image is wanted, the 1x one.
    operator const QImage &() const { return m_shownOneX; }

    // Test accessors.
    // The 1x picture as stored: key green where nothing is drawn.
    const QImage &keyed() const { return m_keyed; }

private:
    QImage m_keyed;
    QImage m_shownOneX;
    QImage m_shownTwoX;
};

// k must be an orientation index 0..15.
const ArtImage &orientationImage(int k);
const ArtImage &matchboxImage();

} // namespace board
