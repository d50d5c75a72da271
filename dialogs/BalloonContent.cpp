#include "dialogs/BalloonContent.h"

#include "dialogs/IconStrip.h"
#include "drawing/Twips.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace dialogs {

namespace {

constexpr int MessageMarginTwips = 130;

// A label that ignores the mouse, so moves and presses reach the frame.
QLabel *makePassiveLabel(QWidget *parent, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setFont(font);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QFont balloonTitleFont()
{
    QFont bold = balloonFont("MS Sans Serif", 8.25);
    bold.setBold(true);
    return bold;
}

} // namespace

int pxX(double twips)
{
    return int(std::lround(twips / drawing::twipsPerPixelX()));
}

int pxY(double twips)
{
    return int(std::lround(twips / drawing::twipsPerPixelY()));
}

int messageWidthFor(int frameWidth)
{
    return pxX(frameWidth * drawing::twipsPerPixelX() - MessageMarginTwips);
}

QWidget *makeContentFrame(QWidget *parent, const QColor &balloon)
{
    auto *frame = new QWidget(parent);
    frame->setAutoFillBackground(true);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, balloon);
    frame->setPalette(pal);
    frame->setMouseTracking(true);
    return frame;
}

QFont balloonFont(const char *family, double points)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    return font;
}

BalloonHeading makeHeading(QWidget *frame)
{
    auto *icon = new QLabel(frame);
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    return {icon, makePassiveLabel(frame, balloonTitleFont())};
}

void placeHeading(const BalloonHeading &heading, const QRect &titleTwips)
{
    heading.icon->setGeometry(pxX(IconTwips.x()), pxY(IconTwips.y()), pxX(IconTwips.width()),
                              pxY(IconTwips.height()));
    heading.title->setGeometry(pxX(titleTwips.x()), pxY(titleTwips.y()), pxX(titleTwips.width()),
                               pxY(titleTwips.height()) + LabelRoomPx);
}

void showIcon(const BalloonHeading &heading, int mFlags, const QColor &balloon, int titleLeft)
{
    const int cell = StripCellForFlags(mFlags);
    if (cell == 0) {
        heading.icon->hide();
        heading.title->move(titleLeft, heading.title->y());
        return;
    }
    heading.icon->setPixmap(
        DrawStripIcon(cell, StripCellSize, balloon, heading.icon->devicePixelRatioF()));
}

MessageArea makeMessageArea(QWidget *frame, const QFont &font)
{
    MessageArea area;
    area.scroll = new QScrollArea(frame);
    area.scroll->setFrameShape(QFrame::NoFrame);
    area.scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.scroll->viewport()->setAutoFillBackground(false);
    area.label = makePassiveLabel(nullptr, font);
    area.label->setWordWrap(true);
    area.label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area.scroll->setWidget(area.label);
    return area;
}

int fitMessage(const MessageArea &area, int left, int top, int width, int maxHeight)
{
    area.label->setFixedWidth(width);
    const int needed = area.label->heightForWidth(width);
    area.label->setFixedHeight(needed);
    const int shown = std::max(1, std::min(needed, maxHeight));
    const bool scrolls = shown < needed;
    area.scroll->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn
                                                    : Qt::ScrollBarAlwaysOff);
    area.scroll->setGeometry(left, top, width, shown);
    if (scrolls) {
        const int narrower = width - area.scroll->verticalScrollBar()->sizeHint().width();
        area.label->setFixedWidth(narrower);
        area.label->setFixedHeight(area.label->heightForWidth(narrower));
    }
    return shown;
}

QScreen *screenHolding(QPoint p)
{
    QScreen *screen = QGuiApplication::screenAt(p);
    return screen ? screen : QGuiApplication::primaryScreen();
}

QRect cursorScreen()
{
    return screenHolding(QCursor::pos())->geometry();
}

} // namespace dialogs
