// The match sprites: their creation, hit shapes, and the mouse handlers
// that drag and turn them.
#include "board/Form1.h"

#include "board/BoardBox.h"
#include "board/MatchArt.h"
#include "board/Orientations.h"
#include "board/ShapeRegion.h"
#include "controls/CandyButton.h"
#include "controls/DDFrm.h"
#include "controls/MouseCodes.h"

namespace board {

void Form1::CreateRegion(int ID, int idx)
{
    if (!isOrientation(ID))
        return;
    m_sprites[idx]->setMask(m_orientationRegions[ID]);
}

void Form1::SetMatchboxShape(QWidget *window)
{
    window->setMask(shapeRegion(matchboxShape()));
}

// The templates are the compiled-in images; only their regions are built
// here, once, from the committed rectangle lists.
void Form1::LoadOrientationTemplates()
{
    for (int k = 0; k < OrientationCount; ++k)
        m_orientationRegions[k] = shapeRegion(orientationShape(k));
    for (int i = SpriteCount - 1; i >= 1; --i) {
        m_sprites[i] = new MatchSprite(i, this);
        m_sprites[i]->hide();
    }
    for (MatchSprite *sprite : m_sprites) {
        spriteOriented(sprite->index());
        connect(sprite, &MatchSprite::MouseDown, this, &Form1::Image2_MouseDown);
        connect(sprite, &MatchSprite::MouseMove, this, &Form1::Image2_MouseMove);
        connect(sprite, &MatchSprite::MouseUp, this, &Form1::Image2_MouseUp);
        connect(sprite, &MatchSprite::WheelTurned, this, &Form1::Image2_Wheel);
        connect(sprite, &MatchSprite::PointerLeft, this, [this](int i) {
            if (m_hovered == i)
                m_hovered = -1;
        });
    }
}

void Form1::ResetBoard()
{
    m_board.ResetBoard();
}

void Form1::Image2_MouseDown(int Index, int Button, int Shift, float X, float Y)
{
    if (m_picked >= 0 && Button == controls::LeftButton) {
        putDown();
        m_dropping = true;
        return;
    }
    if (m_picked < 0) {
        m_pressedFrom = capture();
        m_pressedBox = boxInPlay(m_board, Index, m_play);
        m_dragged = false;
    }
    if (Button == controls::LeftButton) {
        m_grabX = qRound(X);
        m_grabY = qRound(Y);
    } else if (Button == controls::RightButton) {
        m_board.turn(Index, Shift == 0);
    }
}

// The sprite follows the pointer, so each event's offset from the grab
// point is the travel since the last one. Only the left button alone drags;
// a picked-up match follows with no button held.
void Form1::Image2_MouseMove(int Index, int Button, int, float X, float Y)
{
    const bool following = Index == m_picked && Button == 0;
    if (Button == 0 && !following)
        m_hovered = Index;
    if (!following && (Button != controls::LeftButton || m_picked >= 0))
        return;
    const int dx = qRound(X) - m_grabX;
    const int dy = qRound(Y) - m_grabY;
    if (dx == 0 && dy == 0)
        return;
    m_dragged = true;
    const SpriteState &s = m_board.sprite(Index);
    m_board.moveTo(Index, s.left + dx, s.top + dy);
    m_board.raise(Index);
}

void Form1::Image2_MouseUp(int Index, int Button, int, float, float)
{
    repaintPuzzleBox();
    m_dd1->raise();
    if (m_dropping || m_picked >= 0) {
        m_dropping = false;
        return;
    }
    if (Button == controls::LeftButton && !m_dragged) {
        pickUp(Index);
        return;
    }
    if (m_pressedFrom && !(capture() == *m_pressedFrom))
        m_history.record(*m_pressedFrom);
    m_pressedFrom.reset();
    playerMoved(Index, m_pressedBox);
}

void Form1::repaintPuzzleBox()
{
    update(m_shape1->geometry());
}

void Form1::spriteOriented(int i)
{
    const int k = m_board.sprite(i).k;
    m_sprites[i]->setPicture(orientationImage(k));
    CreateRegion(k, i);
}

void Form1::spriteMoved(int i)
{
    m_sprites[i]->move(m_board.sprite(i).left, m_board.sprite(i).top);
}

void Form1::spriteShown(int i)
{
    m_sprites[i]->setVisible(m_board.sprite(i).visible);
}

void Form1::spriteRaised(int i)
{
    m_sprites[i]->raise();
}

} // namespace board
