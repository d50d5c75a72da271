// BalloonContent -- pieces shared by the content frames of the timed
// message and the input box: twips to pixels, the frame in the balloon's
// colour, fonts, and a message label that scrolls when the screen is too
// short for it.
#pragma once

#include <QColor>
#include <QFont>

class QLabel;
class QRect;
class QScrollArea;
class QWidget;

namespace dialogs {

// Where every content frame sits in the balloon, in window pixels.
constexpr int ContentLeftPx = 8;
constexpr int ContentTopPx = 30;
constexpr int ContentInsetPx = 30; // client width minus frame width

int pxX(double twips);
int pxY(double twips);

// The frame takes the balloon colour; mouse moves reach it while no button
// is held.
QWidget *makeContentFrame(QWidget *parent, const QColor &balloon);
QFont balloonTitleFont();
QFont balloonFont(const char *family, double points);

// A label that ignores the mouse, so moves and presses reach the frame.
QLabel *makePassiveLabel(QWidget *parent, const QFont &font);

struct MessageArea
{
    QScrollArea *scroll = nullptr;
    QLabel *label = nullptr;
};
MessageArea makeMessageArea(QWidget *frame, const QFont &font);

// Wraps the text to width at (left, top) and returns the height shown:
// the text's own height, or at most maxHeight with a scroll bar.
int fitMessage(const MessageArea &area, int left, int top, int width, int maxHeight);

// The screen under the mouse cursor, where the balloon will appear.
QRect cursorScreen();

} // namespace dialogs
