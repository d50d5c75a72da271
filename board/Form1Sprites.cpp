// The match sprites: their creation and hit shapes; their mouse events go
// to MatchHandling, and they follow the board.
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
        connectSprite(sprite);
    }
}

void Form1::connectSprite(MatchSprite *sprite)
{
    connect(sprite, &MatchSprite::MouseDown, this, &Form1::Image2_MouseDown);
    connect(sprite, &MatchSprite::MouseMove, this, &Form1::Image2_MouseMove);
    connect(sprite, &MatchSprite::MouseUp, this, &Form1::Image2_MouseUp);
    connect(
        sprite, &MatchSprite::WheelTurned, this,
        [this](int i, int steps) { m_handling.wheel(i, steps); });
    connect(sprite, &MatchSprite::PointerLeft, this, [this](int i) { m_handling.pointerLeft(i); });
}

void Form1::Image2_MouseDown(int Index, int Button, int Shift, float X, float Y)
{
    m_handling.press(Index, Button, Shift, qRound(X), qRound(Y));
}

void Form1::Image2_MouseMove(int Index, int Button, int, float X, float Y)
{
    m_handling.move(Index, Button, qRound(X), qRound(Y));
}

// Only the puzzle box is repainted, whichever box the match was dropped in.
void Form1::Image2_MouseUp(int Index, int Button, int, float, float)
{
    repaintPuzzleBox();
    m_handling.release(Index, Button);
}

void Form1::repaintPuzzleBox()
{
    update(m_shape1->geometry());
}

void Form1::spriteOriented(int i)
{
    const int k = m_game.board().sprite(i).k;
    m_sprites[i]->setPicture(orientationImage(k));
    CreateRegion(k, i);
    m_hints->follow(i);
}

void Form1::spriteMoved(int i)
{
    const SpriteState &s = m_game.board().sprite(i);
    m_sprites[i]->move(s.left, s.top);
    m_hints->follow(i);
}

void Form1::spriteShown(int i)
{
    m_sprites[i]->setVisible(m_game.board().sprite(i).visible);
}

// Just under the drop-down frame: no match ever covers it.
void Form1::spriteRaised(int i)
{
    m_sprites[i]->stackUnder(m_dd1);
}

void Form1::grabPointer(int sprite)
{
    m_sprites[sprite]->grabMouse(Qt::ClosedHandCursor);
}

void Form1::releasePointer(int sprite)
{
    m_sprites[sprite]->releaseMouse();
}

} // namespace board
