#include "drawing/GraphicsBas.h"

#include "drawing/ControlError.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QWidget>
#include <array>
#include <cmath>

namespace drawing {
namespace {

constexpr OleColor SystemColorFlag = 0x80000000u;
constexpr OleColor PlainColorMask = 0x00FFFFFFu;
constexpr OleColor KeyAlphaMask = 0xFF000000u;
constexpr int GradientBands = 257;
constexpr int ChannelSteps = 256;
constexpr int HexFieldWidth = 6;

struct SystemColorRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Windows system-colour indices (COLOR_SCROLLBAR = 0 .. COLOR_MENUBAR = 30)
// mapped to the palette roles that play the same part on this desktop.
constexpr std::array<SystemColorRole, 31> SystemColorRoles = {{
    {QPalette::Active, QPalette::Button},            // scroll bar
    {QPalette::Active, QPalette::Dark},              // desktop
    {QPalette::Active, QPalette::Highlight},         // active caption
    {QPalette::Inactive, QPalette::Highlight},       // inactive caption
    {QPalette::Active, QPalette::Window},            // menu
    {QPalette::Active, QPalette::Base},              // window
    {QPalette::Active, QPalette::Shadow},            // window frame
    {QPalette::Active, QPalette::WindowText},        // menu text
    {QPalette::Active, QPalette::Text},              // window text
    {QPalette::Active, QPalette::HighlightedText},   // caption text
    {QPalette::Active, QPalette::Window},            // active border
    {QPalette::Inactive, QPalette::Window},          // inactive border
    {QPalette::Active, QPalette::Dark},              // application workspace
    {QPalette::Active, QPalette::Highlight},         // highlight
    {QPalette::Active, QPalette::HighlightedText},   // highlight text
    {QPalette::Active, QPalette::Button},            // button face
    {QPalette::Active, QPalette::Dark},              // button shadow
    {QPalette::Disabled, QPalette::Text},            // grey text
    {QPalette::Active, QPalette::ButtonText},        // button text
    {QPalette::Inactive, QPalette::HighlightedText}, // inactive caption text
    {QPalette::Active, QPalette::Light},             // button highlight
    {QPalette::Active, QPalette::Shadow},            // 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 3-D light
    {QPalette::Active, QPalette::ToolTipText},       // info text
    {QPalette::Active, QPalette::ToolTipBase},       // info background
    {QPalette::Active, QPalette::Window},            // unused index
    {QPalette::Active, QPalette::Link},              // hot-tracked item
    {QPalette::Active, QPalette::Highlight},         // gradient active caption
    {QPalette::Inactive, QPalette::Highlight},       // gradient inactive caption
    {QPalette::Active, QPalette::Highlight},         // menu highlight
    {QPalette::Active, QPalette::Window},            // menu bar
}};

OleColor resolveSystemColor(OleColor c)
{
    const unsigned index = c & PlainColorMask;
    if (index >= SystemColorRoles.size())
        return 0;
    const SystemColorRole &entry = SystemColorRoles[index];
    return fromQColor(QGuiApplication::palette().color(entry.group, entry.role));
}

int roundHalfEven(double v)
{
    return int(std::nearbyint(v));
}

struct Channels
{
    int red;
    int green;
    int blue;
};

// Reads the colour back from its hexadecimal text, two digits a channel in
// blue-green-red order, as the band painter has always done.
Channels splitByHexText(OleColor c)
{
    QByteArray hex = QByteArray::number(c, 16).toUpper();
    hex = hex.rightJustified(HexFieldWidth, ' ').left(HexFieldWidth);
    const auto pair = [&hex](int at) {
        return 16 * HexDigitValue(hex[at]) + HexDigitValue(hex[at + 1]);
    };
    return {pair(4), pair(2), pair(0)};
}

void fillIfNotEmpty(QPainter &painter, int left, int top, int right, int bottom,
                    const QColor &color)
{
    if (right > left && bottom > top)
        painter.fillRect(QRect(left, top, right - left, bottom - top), color);
}

} // namespace

OleColor TranslateColor(OleColor c)
{
    if (c == NoColor)
        return NoColor;
    if (c & SystemColorFlag)
        return resolveSystemColor(c);
    return c & PlainColorMask;
}

QColor toQColor(OleColor c)
{
    const OleColor plain = TranslateColor(c);
    return QColor(redOf(plain), greenOf(plain), blueOf(plain));
}

OleColor fromQColor(const QColor &c)
{
    return rgb(c.red(), c.green(), c.blue());
}

std::uint16_t Color16Red(OleColor c)
{
    return std::uint16_t(redOf(c) << 8);
}
std::uint16_t Color16Green(OleColor c)
{
    return std::uint16_t(greenOf(c) << 8);
}
std::uint16_t Color16Blue(OleColor c)
{
    return std::uint16_t(blueOf(c) << 8);
}

OleColor LightenColor(OleColor c, float percent)
{
    const OleColor plain = TranslateColor(c);
    const auto lighten = [percent](int v) {
        const float towardWhite = percent * float(255 - v) / 100.0f;
        return roundHalfEven(double(towardWhite + float(v)));
    };
    return rgb(lighten(redOf(plain)), lighten(greenOf(plain)), lighten(blueOf(plain)));
}

void DrawGradient(QPainter &painter, int x1, int y1, int x2, int y2, OleColor c1, OleColor c2,
                  bool vertical)
{
    const OleColor from = TranslateColor(c1);
    const OleColor to = TranslateColor(c2);
    const int length = vertical ? y2 - y1 : x2 - x1;
    if (length <= 0 || (vertical ? x2 <= x1 : y2 <= y1))
        return;
    // Line by line with integer interpolation, so the colours are exact and
    // the same on every platform.
    const auto channel = [length](int a, int b, int i) {
        return a + (b - a) * i / length;
    };
    for (int i = 0; i < length; ++i) {
        const QColor color(channel(redOf(from), redOf(to), i),
                           channel(greenOf(from), greenOf(to), i),
                           channel(blueOf(from), blueOf(to), i));
        if (vertical)
            painter.fillRect(QRect(x1, y1 + i, x2 - x1, 1), color);
        else
            painter.fillRect(QRect(x1 + i, y1, 1, y2 - y1), color);
    }
}

void PaintGradientBackground(QPainter &painter, const QSize &outerSize, OleColor c1, OleColor c2,
                             std::int16_t style)
{
    const Channels first = splitByHexText(TranslateColor(c1));
    const Channels second = splitByHexText(TranslateColor(c2));
    const int bandWidth = roundHalfEven(outerSize.width() / double(ChannelSteps));
    const int bandHeight = roundHalfEven(outerSize.height() / double(ChannelSteps));

    double r = second.red;
    double g = second.green;
    double b = second.blue;
    const double stepR = (first.red - second.red) / double(ChannelSteps);
    const double stepG = (first.green - second.green) / double(ChannelSteps);
    const double stepB = (first.blue - second.blue) / double(ChannelSteps);

    int right = outerSize.width();
    int bottom = outerSize.height();
    for (int k = 0; k < GradientBands; ++k) {
        const QColor band(roundHalfEven(r), roundHalfEven(g), roundHalfEven(b));
        if (style == 0 || style == 2)
            fillIfNotEmpty(painter, 0, bottom - bandHeight, right, bottom, band);
        if (style == 0 || style == 1)
            fillIfNotEmpty(painter, right - bandWidth, 0, right, bottom, band);
        if (style == 0 || style == 2)
            bottom -= bandHeight;
        if (style == 0 || style == 1)
            right -= bandWidth;
        // The steps are multiples of 1/256, so after 256 of them each
        // channel lands on colour 1 exactly and stays there.
        r = r == first.red ? r : r + stepR;
        g = g == first.green ? g : g + stepG;
        b = b == first.blue ? b : b + stepB;
    }
    fillIfNotEmpty(painter, 0, 0, right, bottom, QColor(first.red, first.green, first.blue));
}

void PaintGradientBackground(QWidget *window, QPainter &painter, OleColor c1, OleColor c2,
                             std::int16_t style)
{
    const QSize outer = window->isWindow() ? window->frameGeometry().size() : window->size();
    PaintGradientBackground(painter, outer, c1, c2, style);
}

int HexDigitValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return 0;
}

void TransparentBlit(QPainter &painter, int x, int y, int w, int h, const QImage &source, int sx,
                     int sy, OleColor key)
{
    const QRgb keyRgb = toQColor(key).rgb() & PlainColorMask;
    QImage cut = source.copy(sx, sy, w, h).convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < cut.height(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(cut.scanLine(row));
        for (int col = 0; col < cut.width(); ++col)
            if ((line[col] & PlainColorMask) == keyRgb)
                line[col] = 0;
            else
                line[col] |= KeyAlphaMask;
    }
    painter.drawImage(x, y, cut);
}

void DrawTransparentPicture(QPainter &painter, int x, int y, int w, int h, const Picture &picture,
                            int sx, int sy, OleColor key)
{
    switch (picture.kind()) {
    case Picture::Kind::Bitmap:
        TransparentBlit(painter, x, y, w, h, picture.image(), sx, sy, key);
        return;
    case Picture::Kind::Icon: {
        QImage canvas(w, h, QImage::Format_RGB32);
        canvas.fill(toQColor(key));
        {
            QPainter iconPainter(&canvas);
            picture.icon().paint(&iconPainter, QRect(0, 0, w, h));
        }
        TransparentBlit(painter, x, y, w, h, canvas, 0, 0, key);
        return;
    }
    case Picture::Kind::None:
        break;
    }
    throw ControlError(ControlError::InvalidPicture);
}

} // namespace drawing
