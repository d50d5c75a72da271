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

constexpr int IconLeftTwips = 45;
constexpr int IconTopTwips = 30;
constexpr int IconSizeTwips = 240;
constexpr int TitleLeftTwips = 420;
constexpr int TitleTopTwips = 45;
constexpr int TitleWidthTwips = 3855;
constexpr int TitleHeightTwips = 225;
constexpr int MessageLeftTwips = 75;
constexpr int MessageTopTwips = 465;
constexpr int MessageMarginTwips = 130;
constexpr int BelowMessageTwips = 300;
constexpr int CloseSizeTwips = 240;
constexpr int CloseRightGapTwips = 50;
constexpr int WindowBelowFramePx = 40;
constexpr int MsPerSecond = 1000;
constexpr drawing::OleColor DefaultBalloon = drawing::rgb(255, 255, 204);

} // namespace

short MsgAuto_box(const QString &mPrompt, int mFlags, const QString &mCaption, short nTime,
                  bool NoPointer, drawing::OleColor mColor, float X, float Y, short Intensity)
{
    MsgFrmState &state = msgFrmState();
    state.BalloonColor = mColor == 0 ? DefaultBalloon : mColor;
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
    setPixmap(DrawStripIcon(cell, StripCellSize, m_background));
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
    if (event->button() == Qt::LeftButton) {
        showFace(ClosePressedCell);
    }
}

void CloseImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    showFace(CloseHoverCell);
    m_tag = QStringLiteral("1");
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

MsgAutoFrm::MsgAutoFrm(MsgFrmState &state)
    : msgFrm(state)
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
    m_aPic = new QLabel(m_frame);
    m_aPic->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_aTitle = makePassiveLabel(m_frame, balloonTitleFont());
    m_aMsg = makeMessageArea(m_frame, balloonFont("MS Sans Serif", 13.5));
    m_command1 = new CloseImage(m_frame, balloon);
    connect(m_command1, &CloseImage::clicked, this, &QWidget::close);

    m_timer1.setSingleShot(true);
    connect(&m_timer1, &QTimer::timeout, this, &QWidget::close);
}

int MsgAutoFrm::closeDelayMs(short nTime)
{
    return std::max(0, int(nTime)) * MsPerSecond;
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
    m_aTitle->setText(mCaption);
    m_aMsg.label->setText(mPrompt);
    layoutContent();
}

void MsgAutoFrm::present(int mFlags, short nTime)
{
    setIcon(mFlags);
    show();
    raise();
    if (nTime > 0) {
        m_timer1.start(closeDelayMs(nTime));
    }
}

void MsgAutoFrm::layoutContent()
{
    const double tx = drawing::twipsPerPixelX();
    const int frameWidth = width() - ContentInsetPx;
    const int messageLeft = pxX(MessageLeftTwips);
    const int messageTop = pxY(MessageTopTwips);
    const int messageWidth = pxX(frameWidth * tx - MessageMarginTwips);
    const int belowMessage = pxY(BelowMessageTwips);
    const int maxMessage =
        cursorScreen().height() - ContentTopPx - WindowBelowFramePx - messageTop - belowMessage;
    const int shown = fitMessage(m_aMsg, messageLeft, messageTop, messageWidth, maxMessage);

    const int frameHeight = messageTop + shown + belowMessage;
    m_frame->setGeometry(ContentLeftPx, ContentTopPx, frameWidth, frameHeight);
    m_aPic->setGeometry(pxX(IconLeftTwips), pxY(IconTopTwips), pxX(IconSizeTwips),
                        pxY(IconSizeTwips));
    m_aTitle->setGeometry(pxX(TitleLeftTwips), pxY(TitleTopTwips), pxX(TitleWidthTwips),
                          pxY(TitleHeightTwips) + 2);
    const int closeLeft = pxX(frameWidth * tx - CloseSizeTwips - CloseRightGapTwips);
    m_command1->setGeometry(closeLeft, m_aPic->y(), pxX(CloseSizeTwips), pxY(CloseSizeTwips));
    resize(width(), ContentTopPx + frameHeight + WindowBelowFramePx);
}

void MsgAutoFrm::setIcon(int mFlags)
{
    const int cell = StripCellForFlags(mFlags);
    if (cell == 0) {
        m_aPic->hide();
        m_aTitle->move(m_aMsg.scroll->x(), m_aTitle->y());
        return;
    }
    m_aPic->setPixmap(DrawStripIcon(cell, StripCellSize, m_frame->palette().window().color()));
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
