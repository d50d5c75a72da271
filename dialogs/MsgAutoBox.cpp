#include "dialogs/MsgAutoBox.h"

#include "dialogs/BalloonShape.h"
#include "dialogs/IconStrip.h"
#include "drawing/Twips.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <algorithm>

namespace dialogs {

namespace {

constexpr QRect TitleBesideCloseTwips(420, 45, 3855, 225);
constexpr int MessageLeftTwips = 75;
constexpr int MessageTopTwips = 465;
constexpr int BelowMessageTwips = 300;
constexpr int CloseSizeTwips = 240;
constexpr int CloseRightGapTwips = 50;
constexpr int WindowBelowFramePx = 40;
constexpr int MsPerSecond = 1000;

// Milliseconds for nTime seconds, without the 16-bit overflow.
int closeDelayMs(short nTime)
{
    return std::max(0, int(nTime)) * MsPerSecond;
}

} // namespace

short MsgAuto_box(const QString &mPrompt, int mFlags, const QString &mCaption, short nTime,
                  bool NoPointer, drawing::OleColor mColor, float X, float Y, short Intensity)
{
    MsgFrmState &state = msgFrmState();
    state.BalloonColor = balloonColorFor(mColor);
    auto *window = new MsgAutoFrm(state);
    window->open(mPrompt, mFlags, mCaption, nTime, NoPointer, X, Y, Intensity);
    return 0;
}

void MsgAutoNotice(const QString &mPrompt, int mFlags, const QString &mCaption, short nTime,
                   const QRect &area)
{
    MsgFrmState &state = msgFrmState();
    state.BalloonColor = DefaultBalloon;
    auto *window = new MsgAutoFrm(state);
    window->openOutside(mPrompt, mFlags, mCaption, nTime, area);
}

CloseImage::CloseImage(QWidget *parent, const QColor &background)
    : QLabel(parent)
    , m_background(background)
{
    setMouseTracking(true);
    showFace(CloseNormalCell);
}

void CloseImage::showFace(int cell)
{
    setPixmap(DrawStripIcon(cell, StripCellSize, m_background, devicePixelRatioF()));
}

void CloseImage::mouseMoveEvent(QMouseEvent *event)
{
    if (m_tag != QLatin1String("1") && event->buttons() == Qt::NoButton) {
        showFace(CloseHoverCell);
        m_tag = QStringLiteral("1");
    }
}

// Also when the pointer leaves the window straight from the image.
void CloseImage::leaveEvent(QEvent *)
{
    if (m_tag == QLatin1String("1")) {
        showFace(CloseNormalCell);
        m_tag.clear();
    }
}

void CloseImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        showFace(ClosePressedCell);
}

void CloseImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    showFace(CloseHoverCell);
    m_tag = QStringLiteral("1");
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

MsgAutoFrm::MsgAutoFrm(MsgFrmState &state)
    : msgFrm(state, Qt::ToolTip)
{
    messageFrame()->hide();
    // A notice: play goes on under it, so it never takes the keyboard.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowModality(Qt::NonModal);
    setAttribute(Qt::WA_DeleteOnClose);
    // An open notice must not keep the program running after its main window.
    setAttribute(Qt::WA_QuitOnClose, false);

    const QColor balloon = drawing::toQColor(state.BalloonColor);
    m_frame = makeContentFrame(this, balloon);
    m_heading = makeHeading(m_frame);
    m_aMsg = makeMessageArea(m_frame, balloonFont("MS Sans Serif", 13.5));
    m_command1 = new CloseImage(m_frame, balloon);
    connect(m_command1, &CloseImage::clicked, this, &QWidget::close);

    m_timer1.setSingleShot(true);
    connect(&m_timer1, &QTimer::timeout, this, &QWidget::close);
}

void MsgAutoFrm::open(const QString &mPrompt, int mFlags, const QString &mCaption, short nTime,
                      bool NoPointer, float X, float Y, short Intensity)
{
    setContent(mPrompt, mCaption);
    DrawBalloon(NoPointer, X, Y, clampIntensity(Intensity));
    present(mFlags, nTime);
}

void MsgAutoFrm::openOutside(const QString &mPrompt, int mFlags, const QString &mCaption,
                             short nTime, const QRect &area)
{
    setContent(mPrompt, mCaption);
    DrawBalloonOutside(area, 0);
    present(mFlags, nTime);
}

void MsgAutoFrm::setContent(const QString &mPrompt, const QString &mCaption)
{
    m_heading.title->setText(mCaption);
    m_aMsg.label->setText(mPrompt);
    layoutContent();
}

void MsgAutoFrm::present(int mFlags, short nTime)
{
    showIcon(m_heading, mFlags, m_frame->palette().window().color(), m_aMsg.scroll->x());
    show();
    raise();
    if (nTime > 0)
        m_timer1.start(closeDelayMs(nTime));
}

void MsgAutoFrm::layoutContent()
{
    const double tx = drawing::twipsPerPixelX();
    const int frameWidth = width() - ContentInsetPx;
    const int messageLeft = pxX(MessageLeftTwips);
    const int messageTop = pxY(MessageTopTwips);
    const int messageWidth = messageWidthFor(frameWidth);
    const int belowMessage = pxY(BelowMessageTwips);
    const int maxMessage =
        cursorScreen().height() - ContentTopPx - WindowBelowFramePx - messageTop - belowMessage;
    const int shown = fitMessage(m_aMsg, messageLeft, messageTop, messageWidth, maxMessage);

    const int frameHeight = messageTop + shown + belowMessage;
    m_frame->setGeometry(ContentLeftPx, ContentTopPx, frameWidth, frameHeight);
    placeHeading(m_heading, TitleBesideCloseTwips);
    const int closeLeft = pxX(frameWidth * tx - CloseSizeTwips - CloseRightGapTwips);
    m_command1->setGeometry(closeLeft, m_heading.icon->y(), pxX(CloseSizeTwips),
                            pxY(CloseSizeTwips));
    resize(width(), ContentTopPx + frameHeight + WindowBelowFramePx);
}

void MsgAutoFrm::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void MsgAutoFrm::closeEvent(QCloseEvent *event)
{
    m_timer1.stop();
    event->accept();
}

} // namespace dialogs
