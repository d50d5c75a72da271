// The puzzle box and the solution box: a framed area with a white-to-blue
// gradient and its caption centred at the top. Matches are not its
// children; they lie above it on the main window.
#pragma once

#include "drawing/GraphicsBas.h"

#include <QImage>
#include <QLabel>
#include <QWidget>

namespace board {

class BoardBox : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Border = 1;

    BoardBox(const QString &caption, QWidget *parent);

    QLabel *captionLabel() const { return m_caption; }
    drawing::OleColor BackColor() const { return m_backColor; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void repaintBackground();

    QLabel *m_caption;
    drawing::OleColor m_backColor;
    QImage m_background;
};

} // namespace board
