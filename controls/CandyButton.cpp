#include "controls/CandyButton.h"

#include "controls/CandyCaption.h"
#include "controls/CandyColors.h"
#include "controls/CandyPainters.h"
#include "controls/CandyRoundedPainter.h"
#include "controls/CandyShape.h"
#include "controls/MouseCodes.h"
#include "controls/WindowMessages.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <array>
#include <utility>

namespace controls {
namespace {

struct ColorPreset
{
    drawing::OleColor up;
    drawing::OleColor hover;
    drawing::OleColor down;
    drawing::OleColor bright;
};

// ColorScheme 1..6.
constexpr std::array<ColorPreset, 6> ColorPresets = {{
    {0xD06720, 0xE99950, 0xA06710, 0xFFEDB0},
    {0xD09060, 0xE06000, 0xA98050, 0xFFFAFA},
    {0x800000, 0xA00000, 0xF00000, 0xFF0000},
    {0x000080, 0x0000A0, 0x0000F0, 0x0000FF},
    {0x008000, 0x00A000, 0x00C000, 0x00FF00},
    {0x008080, 0x00A0A0, 0x00C0C0, 0x00FFFF},
}};

bool isEnterKey(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

} // namespace

CandyButton::CandyButton(const QString &name, QWidget *parent)
    : QWidget(parent)
    , m_subclasser(QStringLiteral("CandyButton"), this)
{
    setObjectName(name);
    m_look.caption = name;
    m_look.font = font();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (m_subclasser.Subclass(this, 0)) {
        m_subclasser.AddMsg(this, WindowMessage::WM_PAINT, Subclasser::MSG_BEFORE);
        m_subclasser.AddMsg(this, WindowMessage::WM_MOUSEMOVE, Subclasser::MSG_AFTER);
        m_subclasser.AddMsg(this, WindowMessage::WM_MOUSELEAVE, Subclasser::MSG_AFTER);
    }
}

void CandyButton::setEnabled(bool value)
{
    m_look.enabled = value;
    // A disabled button would otherwise take the focus with no visible sign.
    setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
    DrawButton(Normal);
}

void CandyButton::setColorScheme(int scheme)
{
    applyColorScheme(scheme);
    m_colorScheme = scheme;
    DrawButton(Normal);
}

void CandyButton::applyColorScheme(int scheme)
{
    if (scheme < 1 || scheme > int(ColorPresets.size()))
        return;
    const ColorPreset &preset = ColorPresets[std::size_t(scheme - 1)];
    m_look.colorButtonUp = preset.up;
    m_look.colorButtonHover = preset.hover;
    m_look.colorButtonDown = preset.down;
    m_look.colorBright = preset.bright;
}

void CandyButton::setBorderBrightness(int value)
{
    m_look.borderBrightness =
        Clamp(value, -CandyDefaults::BorderBrightnessLimit, CandyDefaults::BorderBrightnessLimit);
    DrawButton(Normal);
}

void CandyButton::setCustomColor(drawing::OleColor &field, drawing::OleColor value)
{
    field = value;
    m_colorScheme = 0;
    DrawButton(Normal);
}

void CandyButton::setColorBright(drawing::OleColor value)
{
    setCustomColor(m_look.colorBright, value);
}

void CandyButton::setColorButtonDown(drawing::OleColor value)
{
    setCustomColor(m_look.colorButtonDown, value);
}

void CandyButton::setColorButtonUp(drawing::OleColor value)
{
    setCustomColor(m_look.colorButtonUp, value);
}

void CandyButton::setColorButtonHover(drawing::OleColor value)
{
    setCustomColor(m_look.colorButtonHover, value);
}

void CandyButton::setForeColor(drawing::OleColor value)
{
    m_look.foreColor = value;
    DrawButton(Normal);
}

void CandyButton::setPicture(const drawing::Picture &picture)
{
    m_look.picture = picture;
    m_picturePath.clear();
    DrawButton(Normal);
}

void CandyButton::setChecked(bool value)
{
    m_checked = value;
    if (value)
        DrawButton(CheckedDown);
    else
        DrawButton(m_hovering ? Hover : Normal);
}

void CandyButton::setStyle(int style)
{
    if (style == m_look.style)
        return;
    m_look.style = style;
    BuildShape();
    DrawButton(Normal);
}

void CandyButton::setPictureAlignment(int alignment)
{
    if (alignment == m_look.pictureAlignment)
        return;
    m_look.pictureAlignment = alignment;
    DrawButton(Normal);
}

void CandyButton::setCaption(const QString &caption)
{
    m_look.caption = caption;
    DrawButton(Normal);
}

void CandyButton::setFont(const QFont &font)
{
    m_look.font = font;
    QWidget::setFont(font);
    DrawButton(Normal);
}

drawing::OleColor CandyButton::BlendColors(drawing::OleColor Color1, drawing::OleColor Color2,
                                           int &Percentage)
{
    Percentage = Clamp(Percentage, 0, FullPercent);
    return controls::BlendColors(Color1, Color2, Percentage);
}

void CandyButton::GetRGB(int &r, int &g, int &b, drawing::OleColor Color)
{
    controls::GetRGB(r, g, b, Color);
}

void CandyButton::windowProc(bool before, bool &, qint32 &, QWidget *, int message, qint32 wParam,
                             qint32 lParam, qint32 &)
{
    if (message == WindowMessage::WM_PAINT && before)
        BuildShape();
    else if (message == WindowMessage::WM_MOUSEMOVE && !before)
        pointerMovedOver(wParam, lParam);
    else if (message == WindowMessage::WM_MOUSELEAVE && !before)
        pointerLeft();
}

// A drag with the left button alone does not start hovering.
void CandyButton::pointerMovedOver(qint32 wParam, qint32 lParam)
{
    if (wParam == WindowMessage::MK_LBUTTON || m_hovering)
        return;
    const int x = signedLowWord(lParam);
    const int y = signedHighWord(lParam);
    if (x > 0 && y > 0 && x < width() && y < height()) {
        m_hovering = true;
        m_subclasser.TrackLeave(this);
        emit MouseEnter();
        DrawButton(Hover);
    }
}

void CandyButton::pointerLeft()
{
    m_hovering = false;
    emit MouseLeave();
    if (!m_checked)
        DrawButton(m_hasFocus ? Focus : Normal);
}

void CandyButton::buttonPressed(qint16 button, qint16 shift, float x, float y)
{
    m_hasFocus = true;
    DrawButton(Down);
    emit MouseDown(button, shift, x, y);
}

void CandyButton::buttonReleased(qint16 button, qint16 shift, float x, float y)
{
    if (!m_checked) {
        if (m_hovering)
            DrawButton(Hover);
        else if (m_hasFocus)
            DrawButton(Focus);
    }
    emit MouseUp(button, shift, x, y);
}

bool CandyButton::isInsideShape(QPoint pos) const
{
    return rect().contains(pos) && (mask().isEmpty() || mask().contains(pos));
}

void CandyButton::mousePressEvent(QMouseEvent *event)
{
    if (m_look.enabled) {
        const QPointF pos = event->position();
        buttonPressed(buttonCode(event->button()), shiftCode(event->modifiers()), float(pos.x()),
                      float(pos.y()));
    }
}

void CandyButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_look.enabled)
        return;
    const QPointF pos = event->position();
    const qint16 held = buttonCode(event->buttons());
    emit MouseMove(held, shiftCode(event->modifiers()), float(pos.x()), float(pos.y()));
    const bool outside = pos.x() < 0 || pos.y() < 0 || pos.x() > width() || pos.y() > height();
    if (held == LeftButton && outside) {
        m_hovering = false;
        DrawButton(Normal);
    }
}

void CandyButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_look.enabled)
        return;
    const QPointF pos = event->position();
    buttonReleased(buttonCode(event->button()), shiftCode(event->modifiers()), float(pos.x()),
                   float(pos.y()));
    const bool clicked =
        event->button() == Qt::LeftButton && !m_clickSuppressed && isInsideShape(pos.toPoint());
    m_clickSuppressed = false;
    if (clicked)
        emit Click();
}

void CandyButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    if (m_look.enabled) {
        DrawButton(Down);
        m_clickSuppressed = true;
        emit DblClick();
    }
}

// Holding Enter presses the button once: repeats are taken but do nothing.
void CandyButton::keyPressEvent(QKeyEvent *event)
{
    if (!isEnterKey(*event) || !m_look.enabled) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        m_enterPressed = true;
        buttonPressed(LeftButton, 0, 0, 0);
    }
}

// Only the release of a press taken here clicks: when Enter's press closes
// a message box or dialog, its release comes to the button that gets the
// focus back.
void CandyButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isEnterKey(*event) || !m_look.enabled) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && std::exchange(m_enterPressed, false)) {
        buttonReleased(LeftButton, 0, 0, 0);
        emit Click();
    }
}

void CandyButton::focusInEvent(QFocusEvent *)
{
    m_hasFocus = true;
    if (m_look.enabled && !m_checked && !m_hovering)
        DrawButton(Focus);
}

void CandyButton::focusOutEvent(QFocusEvent *)
{
    m_hasFocus = false;
    m_enterPressed = false;
    if (m_look.enabled && !m_checked)
        DrawButton(Normal);
}

void CandyButton::resizeEvent(QResizeEvent *)
{
    BuildShape();
    DrawButton(Normal);
}

void CandyButton::showEvent(QShowEvent *)
{
    BuildShape();
    DrawButton(Normal);
}

void CandyButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_surface);
}

// Qt ignores a mask equal to the current one, so re-applying an unchanged
// shape (as every paint does) causes no further paint.
void CandyButton::BuildShape()
{
    const CandyShape shape = buildCandyShape(m_look.style, size(), m_look.shapeRadius);
    m_look.shapeRadius = shape.radius;
    if (m_look.style == 0 || m_look.style == 1) {
        clearMask();
    } else if (shape.rounded) {
        setMask(shape.outline.toRegion());
        m_look.innerShape = shape.inner;
    }
}

void CandyButton::DrawButton(ButtonState state)
{
    if (m_checked)
        state = CheckedDown;
    const qreal ratio = bodyRatio();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_body.size() != pixels || m_body.devicePixelRatio() != ratio) {
        m_body = QImage(pixels, QImage::Format_RGB32);
        m_body.setDevicePixelRatio(ratio);
    }
    if (m_body.isNull())
        return;
    m_body.fill(toPixel(m_look.backColor));
    switch (m_look.style) {
    case 0:
        PaintClassic(m_body, m_look, state);
        break;
    case 1:
        PaintSoft(m_body, m_look, state);
        break;
    case 2:
    case 3:
    case 4:
    case 5:
    case 7:
        PaintRounded(m_body, m_look, state);
        break;
    case 6:
        PaintBead(m_body, m_look, state);
        break;
    default:
        break;
    }
    m_surface = atScreenRatio(m_body);
    DrawIconWCaption(state);
}

// The rounded bodies lay their shapes out in window pixels, as the mask is
// cut, and draw their glow at the screen's resolution; the other bodies
// are drawn in window pixels and scaled up whole.
qreal CandyButton::bodyRatio() const
{
    switch (m_look.style) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 7:
        return devicePixelRatioF();
    default:
        return 1;
    }
}

// The caption and picture then go on at the screen's resolution.
QImage CandyButton::atScreenRatio(const QImage &body) const
{
    const qreal ratio = devicePixelRatioF();
    if (body.devicePixelRatio() == ratio)
        return body;
    QImage scaled = body.scaled((QSizeF(body.size()) * ratio).toSize(), Qt::IgnoreAspectRatio,
                                Qt::FastTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

void CandyButton::DrawIconWCaption(ButtonState state)
{
    if (m_surface.isNull())
        return;
    drawCaptionAndPicture(m_surface, m_look, state);
    update();
}

} // namespace controls
