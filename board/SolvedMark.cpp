#include "board/SolvedMark.h"

#include <QPainter>
#include <QPainterPath>

namespace board {

QImage solvedMarkStrip(qreal devicePixelRatio)
{
    const QSize pixels = (QSizeF(2 * SolvedMarkSide, SolvedMarkSide) * devicePixelRatio).toSize();
    QImage strip(pixels, QImage::Format_ARGB32);
    strip.setDevicePixelRatio(devicePixelRatio);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(SolvedMarkIcon * SolvedMarkSide, 0);
    QPainterPath tick;
    tick.moveTo(3.5, 8.5);
    tick.lineTo(6.5, 11.5);
    tick.lineTo(12.5, 4.0);
    // A light rim keeps the tick readable on the dark chosen row as well.
    painter.setPen(
        QPen(QColor(255, 255, 255, 200), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.setPen(QPen(QColor(30, 140, 50), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    return strip;
}

} // namespace board
