#include "board/HintMark.h"

#include <QPainter>

namespace board {

namespace {

const QColor GlowColor(255, 200, 40);
constexpr int GlowAlpha = 90;
constexpr int CoreAlpha = 200;
constexpr qreal GlowWidth = 18; // pixels; the core is half as wide
constexpr qreal GhostOpacity = 0.5;

} // namespace

HintMark::HintMark(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void HintMark::glow(const QPainterPath &outline)
{
    const QRect bounds = outline.boundingRect()
                             .adjusted(-GlowWidth, -GlowWidth, GlowWidth, GlowWidth)
                             .toAlignedRect();
    m_outline = outline.translated(-bounds.topLeft());
    setGeometry(bounds);
    show();
    update();
}

void HintMark::ghost(const QImage &picture, const QRegion &shape, QPoint corner)
{
    m_outline.clear();
    m_picture = picture;
    m_shape = shape;
    setGeometry(QRect(corner, picture.size()));
    show();
    update();
}

void HintMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_outline.isEmpty()) {
        painter.setClipRegion(m_shape);
        painter.setOpacity(GhostOpacity);
        painter.drawImage(0, 0, m_picture);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    QColor colour = GlowColor;
    for (const auto &[width, alpha] :
         {std::pair{GlowWidth, GlowAlpha}, {GlowWidth / 2, CoreAlpha}}) {
        colour.setAlpha(alpha);
        painter.strokePath(m_outline, QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    }
}

} // namespace board
