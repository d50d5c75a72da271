// BalloonContent -- pieces shared by the content frames of the message box,
// the timed message and the input box: twips to pixels, the balloon's
// colour, the frame in it, the icon and title over the message, fonts, and
// a message label that scrolls when the screen is too short for it. No name
// here is fixed by the program's design.
#pragma once

#include "drawing/GraphicsBas.h"

#include <QColor>
#include <QFont>
#include <QRect>

class QLabel;
class QScreen;
class QScrollArea;
class QWidget;

namespace dialogs {

// Where every content frame sits in the balloon, in window pixels.
constexpr int ContentLeftPx = 8;
constexpr int ContentTopPx = 30;
constexpr int ContentInsetPx = 30; // client width minus frame width

// Places in the content frame, in twips. The timed message keeps its own
// title place, narrower for its close image.
constexpr QRect IconTwips(45, 30, 240, 240);
constexpr QRect TitleTwips(375, 45, 4215, 225);
// Added to a one-line control's design height, which is short for its font.
constexpr int LabelRoomPx = 2;

// Pale yellow, for a call whose colour is 0.
constexpr drawing::OleColor DefaultBalloon = drawing::rgb(255, 255, 204);
constexpr drawing::OleColor balloonColorFor(drawing::OleColor mColor)
{
    return mColor == 0 ? DefaultBalloon : mColor;
}

int pxX(double twips);
int pxY(double twips);

// The message's width in a frame frameWidth pixels wide: 130 twips less.
int messageWidthFor(int frameWidth);

// The frame takes the balloon colour; mouse moves reach it while no button
// is held.
QWidget *makeContentFrame(QWidget *parent, const QColor &balloon);
QFont balloonFont(const char *family, double points);

struct BalloonHeading
{
    QLabel *icon = nullptr;
    QLabel *title = nullptr;
};
BalloonHeading makeHeading(QWidget *frame);
void placeHeading(const BalloonHeading &heading, const QRect &titleTwips = TitleTwips);

// The icon that the bits (mFlags And 112) choose, on the balloon colour.
// Without one the icon hides and the title moves left to titleLeft (pixels).
void showIcon(const BalloonHeading &heading, int mFlags, const QColor &balloon, int titleLeft);

struct MessageArea
{
    QScrollArea *scroll = nullptr;
    QLabel *label = nullptr;
};
MessageArea makeMessageArea(QWidget *frame, const QFont &font);

// Wraps the text to width at (left, top) and returns the height shown:
// the text's own height, or at most maxHeight with a scroll bar.
int fitMessage(const MessageArea &area, int left, int top, int width, int maxHeight);

// The screen that holds p, or the primary screen when none does.
QScreen *screenHolding(QPoint p);

// The screen under the mouse cursor, where the balloon will appear.
QRect cursorScreen();

} // namespace dialogs
