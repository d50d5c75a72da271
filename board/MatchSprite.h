// One match on the board: a child widget showing its orientation picture at
// the screen's resolution, masked to the 1x drawn pixels so clicks on the
// key-coloured corners of a diagonal match reach whatever lies beneath.
// Mouse input goes to the main window's handlers with the sprite's index.
#pragma once

#include <QWidget>

namespace board {

class ArtImage;

class MatchSprite : public QWidget
{
    Q_OBJECT
public:
    MatchSprite(int index, QWidget *parent);

    int index() const { return m_index; }
    // The picture must outlive the sprite; the compiled-in ones do.
    void setPicture(const ArtImage &picture);

signals:
    // Button and Shift are the usual codes; X and Y are pixels in the sprite.
    void MouseDown(int Index, int Button, int Shift, float X, float Y);
    void MouseMove(int Index, int Button, int Shift, float X, float Y);
    void MouseUp(int Index, int Button, int Shift, float X, float Y);
    void PointerLeft(int Index);
    // Whole wheel steps, positive away from the player.
    void WheelTurned(int Index, int steps);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_index;
    const ArtImage *m_picture = nullptr;
    int m_wheelEighths = 0;
};

} // namespace board
