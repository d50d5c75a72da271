// One mark of a hint on the board: a glow along an outline, or a faint
// ghost of a match picture. It lies beneath the matches, and clicks pass
// through it to whatever lies beneath.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRegion>
#include <QWidget>

namespace board {

class HintMark : public QWidget
{
    Q_OBJECT
public:
    explicit HintMark(QWidget *parent);

    // The outline in the parent's pixels.
    void glow(const QPainterPath &outline);
    // The picture drawn inside its shape only, its corner at `corner`.
    void ghost(const QImage &picture, const QRegion &shape, QPoint corner);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPainterPath m_outline; // in its own pixels; empty for a ghost
    QImage m_picture;
    QRegion m_shape;
};

} // namespace board
