#include "dialogs/msgFrm.h"

#include "controls/WindowSystem.h"
#include "dialogs/BalloonShape.h"
#include "dialogs/DragStandIn.h"
#include "dialogs/WindowPlacement.h"
#include "drawing/Twips.h"

#include <QCheckBox>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QWindow>
#include <cmath>

namespace dialogs {

namespace {

constexpr int DesignWidthTwips = 5385;
constexpr int DesignHeightPx = 225;
constexpr int WindowBelowFramePx = 65;
constexpr int MessageLeftTwips = 45;
constexpr int MessageTopTwips = 450;
constexpr int BelowMessageTwips = 900;
constexpr int CheckGapTwips = 70;
constexpr int CheckWidthTwips = 4470;
constexpr int CheckHeightTwips = 255;
constexpr int ButtonWidthTwips = 1200;
constexpr int ButtonHeightTwips = 375;
constexpr int ButtonBottomGapTwips = 100;
constexpr int MiddleButtonDesignLeftTwips = 1815;
constexpr QRgb FringeColor = 0xFF464646; // RGB(70, 70, 70)

msgFrm *g_current = nullptr;

// Wayland always composites and offers no screen reading; elsewhere the
// screen behind the window is read and shaded.
bool compositesTranslucency()
{
    return controls::isWayland();
}

struct CaptionAndTag
{
    QString caption;
    short tag;
};

std::vector<CaptionAndTag> standardSet(int set)
{
    switch (set) {
    case 1:
        return {{"OK", ResultOK}, {"Cancel", ResultCancel}};
    case 2:
        return {{"Abort", ResultAbort}, {"Retry", ResultRetry}, {"Ignore", ResultIgnore}};
    case 3:
        return {{"Yes", ResultYes}, {"No", ResultNo}, {"Cancel", ResultCancel}};
    case 4:
        return {{"Yes", ResultYes}, {"No", ResultNo}};
    case 5:
        return {{"Retry", ResultRetry}, {"Cancel", ResultCancel}};
    default:
        return {{"OK", ResultOK}};
    }
}

// Set 6 shows the custom captions up to the last one given, tagged 1 to 3;
// without any caption it offers OK, so that the window can be answered.
std::vector<CaptionAndTag> buttonsFor(int MF, const QString &Btn1, const QString &Btn2,
                                      const QString &Btn3)
{
    if ((MF & 7) != 6)
        return standardSet(MF & 7);
    std::vector<CaptionAndTag> custom = {{Btn1, 1}, {Btn2, 2}, {Btn3, 3}};
    while (!custom.empty() && custom.back().caption.isEmpty())
        custom.pop_back();
    return custom.empty() ? standardSet(0) : custom;
}

} // namespace

MsgFrmState &msgFrmState()
{
    static MsgFrmState state;
    return state;
}

short msg_Box(const QString &mPrompt, int mFlags, const QString &mCaption, bool NoPointer,
              const QString &CheckboxTxt, const QString &Btn1, const QString &Btn2,
              const QString &Btn3, drawing::OleColor mColor, float X, float Y, short Intensity)
{
    MsgFrmState &state = msgFrmState();
    state.BalloonColor = balloonColorFor(mColor);
    msgFrm window(state);
    return window.run(mPrompt, mFlags, mCaption, NoPointer, CheckboxTxt, Btn1, Btn2, Btn3, X, Y,
                      Intensity);
}

msgFrm::msgFrm(MsgFrmState &state)
    : msgFrm(state, Qt::Popup)
{
}

msgFrm::msgFrm(MsgFrmState &state, Qt::WindowType popupKind)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_state(state)
{
    setWindowModality(Qt::ApplicationModal);
    attachToOwner(this, ownerWindow(), popupKind);
    setAttribute(Qt::WA_TranslucentBackground, compositesTranslucency());
    resize(pxX(DesignWidthTwips), DesignHeightPx);
    buildContent();
    g_current = this;
}

msgFrm::~msgFrm()
{
    if (g_current == this)
        g_current = nullptr;
}

msgFrm *msgFrm::current()
{
    return g_current;
}

void msgFrm::buildContent()
{
    m_frame = makeContentFrame(this, balloonColor());
    m_heading = makeHeading(m_frame);
    m_message = makeMessageArea(m_frame, balloonFont("Comic Sans MS", 9.75));
    m_check = new QCheckBox(m_frame);
    m_check->hide();
    for (int i = 0; i < 3; ++i) {
        m_buttons[i] = new QPushButton(m_frame);
        m_buttons[i]->setAutoDefault(true);
        m_buttons[i]->hide();
        connect(m_buttons[i], &QPushButton::clicked, this, [this, i] { answer(m_tags[i]); });
    }
}

QColor msgFrm::balloonColor() const
{
    return drawing::toQColor(m_state.BalloonColor);
}

short msgFrm::run(const QString &mPrompt, int mFlags, const QString &mCaption, bool NoPointer,
                  const QString &CheckboxTxt, const QString &Btn1, const QString &Btn2,
                  const QString &Btn3, float X, float Y, short Intensity)
{
    m_heading.title->setText(mCaption);
    m_message.label->setText(mPrompt);
    m_intensity = clampIntensity(Intensity);
    layoutContent(CheckboxTxt);
    DrawBalloon(NoPointer, X, Y, m_intensity);
    SetupButtons(mFlags, Btn1, Btn2, Btn3);
    SetDisplayIcon(mFlags);
    SetDefaultButton(mFlags);

    m_state.ButtonResult = 0;
    QEventLoop loop;
    m_loop = &loop;
    show();
    loop.exec();
    m_loop = nullptr;
    const bool ticked = !m_check->isHidden() && m_check->isChecked();
    return short(m_state.ButtonResult + (ticked ? CheckedBonus : 0));
}

void msgFrm::layoutContent(const QString &CheckboxTxt)
{
    const int frameWidth = width() - ContentInsetPx;
    const int messageLeft = pxX(MessageLeftTwips);
    const int messageTop = pxY(MessageTopTwips);
    // A message taller than the screen scrolls inside a window limited to it.
    const int belowMessage = pxY(BelowMessageTwips);
    const int maxMessage = cursorScreen().height() - WindowBelowFramePx - messageTop - belowMessage;
    const int shown =
        fitMessage(m_message, messageLeft, messageTop, messageWidthFor(frameWidth), maxMessage);

    const int frameHeight = messageTop + shown + belowMessage;
    m_frame->setGeometry(ContentLeftPx, ContentTopPx, frameWidth, frameHeight);
    placeHeading(m_heading);
    if (!CheckboxTxt.isEmpty()) {
        m_check->setText(CheckboxTxt);
        m_check->setGeometry(messageLeft, messageTop + shown + pxY(CheckGapTwips),
                             pxX(CheckWidthTwips), pxY(CheckHeightTwips) + LabelRoomPx);
        m_check->setVisible(true);
    }
    resize(width(), frameHeight + WindowBelowFramePx);
}

void msgFrm::DrawBalloon(bool NoPointer, float X, float Y, short Inty)
{
    clearSurface(Inty);
    if (NoPointer) {
        const QRect screen = placementArea(this, QCursor::pos());
        move(screen.x() + (screen.width() - width()) / 2,
             screen.y() + (screen.height() - height()) / 2);
        const QRegion shadow = n_GetShadowRect(Inty);
        setShape(n_GetMainRect() | shadow);
        return;
    }
    shapeWithPointer(GetPointerStyle(X, Y), Inty);
}

void msgFrm::DrawBalloonOutside(const QRect &area, short Inty)
{
    clearSurface(Inty);
    const QRect screen = availablePlacementArea(this, area.center());
    const PointerPlacement placement = placeOutside(area, screen, size());
    move(placement.windowTopLeft);
    shapeWithPointer(placement.style, Inty);
}

// At the screen's resolution: a 1x surface scaled up would shade the
// shadow from the wrong place on the screen and show its steps.
void msgFrm::clearSurface(short Inty)
{
    m_intensity = Inty; // the shadow after a drag uses it again
    const qreal ratio = devicePixelRatioF();
    m_surface = QImage(QSizeF(size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    m_surface.setDevicePixelRatio(ratio);
    m_surface.fill(Qt::transparent);
}

// The shadow first, so the body paints over all of it but its rim.
void msgFrm::shapeWithPointer(short style, short Inty)
{
    const QRegion shadow = n_GetShadowRect(Inty);
    const QRegion body = n_GetMainRect();
    setShape(body | shadow | n_SetPointer(style));
}

short msgFrm::GetPointerStyle(float X, float Y)
{
    const QPoint target =
        (X == 0 || Y == 0) ? QCursor::pos() : QPoint(int(std::lrint(X)), int(std::lrint(Y)));
    const QRect screen = placementArea(this, target);
    const PointerPlacement placement = placeForPointer(target, screen, size());
    move(placement.windowTopLeft);
    return placement.style;
}

QRegion msgFrm::n_GetMainRect()
{
    QPainter p(&m_surface);
    p.setClipRegion(mainRegion(size()));
    p.fillRect(rect(), QColor::fromRgb(FringeColor));
    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(balloonColor());
    p.drawRoundedRect(QRectF(bodyFillRect(size())).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    return mainRegion(size());
}

QRegion msgFrm::n_GetShadowRect(short Inty)
{
    paintShadow(Inty);
    return shadowRegion(size());
}

void msgFrm::paintShadow(short Inty)
{
    const ShadowSteps steps(size(), m_surface.devicePixelRatio());
    if (compositesTranslucency()) {
        steps.forEach(m_surface.size(), [this, Inty](QPoint at, int step) {
            const int alpha = 255 - std::min(255, step + Inty);
            m_surface.setPixel(at, qPremultiply(qRgba(0, 0, 0, alpha)));
        });
        return;
    }
    const QImage behind = screenBehind();
    // The mask is in whole logical pixels; where the finer drawing of the
    // body and pointer leaves a device pixel of it bare, the screen shows.
    QPainter(&m_surface).drawImage(QPointF(0, 0), behind);
    steps.forEach(m_surface.size(), [this, &behind, Inty](QPoint at, int step) {
        const QRgb under = behind.valid(at) ? behind.pixel(at) : qRgb(0, 0, 0);
        m_surface.setPixel(at, ShadePixel(under, qRgb(0, 0, 0), step, Inty));
    });
}

// The screen under the window, in device pixels.
QImage msgFrm::screenBehind()
{
    // Where the platform ignores window shapes the old shadow would be read
    // back, so the window steps aside while the screen is read.
    const bool stepAside = isVisible() && !QGuiApplication::platformName().contains("xcb");
    if (stepAside) {
        hide();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    QScreen *screen = screenHolding(geometry().center());
    const QPoint origin = pos() - screen->geometry().topLeft();
    QImage behind = screen->grabWindow(0, origin.x(), origin.y(), width(), height())
                        .toImage()
                        .convertToFormat(QImage::Format_RGB32);
    if (stepAside)
        show();
    behind.setDevicePixelRatio(m_surface.devicePixelRatio());
    return behind;
}

// A composited window shows all it paints and takes input only within its
// mask; a widget's mask would also stop it painting over what it showed
// outside the mask before, which then stays on the screen.
void msgFrm::setShape(const QRegion &shape)
{
    if (!compositesTranslucency()) {
        setMask(shape);
        return;
    }
    m_shape = shape;
    if (windowHandle())
        windowHandle()->setMask(shape);
}

void msgFrm::n_RefreshShadow(short Inty)
{
    m_surface.fill(Qt::transparent);
    const QRegion shadow = n_GetShadowRect(Inty);
    setShape(n_GetMainRect() | shadow);
    update();
}

QRegion msgFrm::n_SetPointer(short style)
{
    const auto s = PointerStyle(style);
    QPainter p(&m_surface);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const QPolygon outer = outerPointer(s, size());
    p.drawPolygon(outer, Qt::OddEvenFill);
    p.setBrush(balloonColor());
    p.drawPolygon(innerPointer(s, size()), Qt::OddEvenFill);
    return QRegion(outer, Qt::OddEvenFill);
}

void msgFrm::SetupButtons(int MF, const QString &Btn1, const QString &Btn2, const QString &Btn3)
{
    const std::vector<CaptionAndTag> shown = buttonsFor(MF, Btn1, Btn2, Btn3);
    m_shownButtons = int(shown.size());

    const double fw = m_frame->width() * drawing::twipsPerPixelX();
    const double w = ButtonWidthTwips;
    double lefts[3] = {(fw - w) / 2, 0, 0};
    if (m_shownButtons == 2) {
        lefts[0] = fw / 3 - w / 2;
        lefts[1] = fw - w - lefts[0];
    } else if (m_shownButtons == 3) {
        lefts[0] = (MiddleButtonDesignLeftTwips - w) / 2;
        lefts[1] = (fw - w) / 2;
        lefts[2] = fw - w - lefts[0];
    }
    const double top =
        m_frame->height() * drawing::twipsPerPixelY() - ButtonHeightTwips - ButtonBottomGapTwips;
    for (int i = 0; i < m_shownButtons; ++i) {
        m_tags[i] = shown[size_t(i)].tag;
        m_buttons[i]->setText(shown[size_t(i)].caption);
        m_buttons[i]->setGeometry(pxX(lefts[i]), pxY(top), pxX(w), pxY(ButtonHeightTwips));
        m_buttons[i]->show();
    }
}

void msgFrm::SetDefaultButton(int MF)
{
    const int bits = (MF & 768) >> 8; // 3 keeps the button of the previous call
    if (bits < 3)
        m_state.DefaultButton = short(bits + 1);
}

void msgFrm::SetDisplayIcon(int MF)
{
    showIcon(m_heading, MF, balloonColor(), m_message.scroll->x());
}

void msgFrm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (compositesTranslucency())
        windowHandle()->setMask(m_shape); // made at this showing
    if (testAttribute(Qt::WA_ShowWithoutActivating))
        return; // a notice leaves the keyboard where it was
    activateWindow();
    if (m_focusSet)
        return; // shown again after reading the screen: keep the user's focus
    m_focusSet = true;
    int focus = m_state.DefaultButton;
    if (focus > m_shownButtons)
        focus = 1; // a default naming a hidden button falls back to the first
    if (focus > 0) {
        m_buttons[focus - 1]->setFocus();
        m_buttons[focus - 1]->setDefault(true);
    }
}

void msgFrm::answer(short result)
{
    m_answered = true;
    m_state.ButtonResult = result;
    hide();
    if (m_loop)
        m_loop->quit();
}

short msgFrm::escapeResult() const
{
    for (short wanted : {ResultCancel, ResultNo}) {
        for (int i = 0; i < m_shownButtons; ++i)
            if (m_tags[i] == wanted)
                return wanted;
    }
    return m_tags[m_shownButtons - 1];
}

void msgFrm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        answer(escapeResult());
        return;
    }
    QWidget::keyPressEvent(event);
}

void msgFrm::closeEvent(QCloseEvent *event)
{
    if (!m_answered)
        answer(escapeResult());
    event->accept();
}

void msgFrm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, m_surface);
}

void msgFrm::beginDrag(QPoint globalPos)
{
    m_dragging = true;
    m_dragOffset = globalPos - pos();
    setShape(mainRegion(size()));
    // Translucent, the window shows all that it paints: only the body then.
    const bool bodyOnly = compositesTranslucency();
    if (bodyOnly) {
        m_surface.fill(Qt::transparent);
        n_GetMainRect();
    }
    QPainter p(&m_surface);
    if (bodyOnly)
        p.setClipRegion(mainRegion(size()));
    p.setPen(Qt::black);
    p.drawLine(5, 20, width() - 5, 20);
    p.drawLine(5, height() - 25, width() - 5, height() - 25);
    p.end();
    update();
}

// On Wayland only the compositor moves a window, and only a top-level one;
// a balloon that is a pop-up sends a picture of itself after the pointer
// and follows at the release.
void msgFrm::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    beginDrag(event->globalPosition().toPoint());
    if (!controls::isWayland())
        return;
    if (parentWidget()) {
        m_standIn = std::make_unique<DragStandIn>(this, mainRegion(size()), parentWidget());
        m_surface.fill(Qt::transparent);
        update();
    } else if (windowHandle()->startSystemMove()) {
        // The compositor moves it from here on and keeps the release.
        m_dragging = false;
        n_RefreshShadow(m_intensity);
    }
}

// A shown Wayland pop-up stays where it was mapped, and its events come
// in those coordinates: moving it now would skew every later one.
void msgFrm::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPoint place = event->globalPosition().toPoint() - m_dragOffset;
    if (m_standIn)
        m_standIn->moveTo(place);
    else if (!controls::isWayland())
        move(place);
}

void msgFrm::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    move(event->globalPosition().toPoint() - m_dragOffset);
    n_RefreshShadow(m_intensity);
    if (m_standIn) {
        // Mapped again, a pop-up goes where it was dropped.
        hide();
        m_standIn.reset();
        show();
    }
}

} // namespace dialogs
