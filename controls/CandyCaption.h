// The caption and picture of a CandyButton: their positions by
// PictureAlignment, the hover highlight and the disabled (embossed) look.
// No name here is fixed by the program's design.
#pragma once

#include "controls/CandyLook.h"

#include <QPoint>
#include <QSize>

class QImage;

namespace controls {

struct CaptionLayout
{
    QPoint picture;
    QPoint caption;
};

// Alignment 0 picture above the caption, 1 below, 2 at the left, 3 at the
// right (other values are laid out as 0). Down moves both one pixel right
// and down. The caption's left is never negative, even when it is wider
// than the button.
CaptionLayout layoutCaption(int alignment, QSize client, QSize picture, QSize text, int shapeRadius,
                            bool down);

// Natural size in pixels; an icon without sizes of its own is 32 x 32.
QSize pictureSize(const drawing::Picture &picture);
// The caption without its mnemonic ampersands.
QSize captionSize(const QString &caption, const QFont &font);

// Draws caption and picture over the body already on the surface. In the
// Focus state the shaded styles 2..7, whose focused body equals the normal
// one, also get a dotted focus frame.
void drawCaptionAndPicture(QImage &surface, const CandyLook &look, ButtonState state);

} // namespace controls
