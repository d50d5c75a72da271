#include "dialogs/InputBox.h"

#include "dialogs/BalloonShape.h"
#include "drawing/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

namespace dialogs {

namespace {

constexpr int MessageLeftTwips = 75;
constexpr int MessageTopTwips = 465;
constexpr int FieldGapTwips = 300;
constexpr int FieldHeightTwips = 315;
constexpr int ButtonGapTwips = 70;
constexpr int ButtonWidthTwips = 915;
constexpr int ButtonHeightTwips = 360;
constexpr int CheckHeightTwips = 465;
constexpr int CheckRightGapTwips = 10;
constexpr int BelowButtonsTwips = 115;
constexpr int WindowBelowFramePx = 65;
constexpr int OKIndex = 1;
constexpr int CancelIndex = 0;
constexpr short CancelledFlag = -1; // true, in the window's truth values

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

QString input_box(const QString &mPrompt, int mFlags, const QString &mCaption,
                  const QString &DefaultText, bool NoPointer, const QString &CheckboxTxt,
                  drawing::OleColor mColor, float X, float Y, short Intensity)
{
    MsgFrmState &state = msgFrmState();
    state.BalloonColor = balloonColorFor(mColor);
    InputFrm window(state);
    return window.run(mPrompt, mFlags, mCaption, DefaultText, NoPointer, CheckboxTxt, X, Y,
                      Intensity);
}

InputFrm::InputFrm(MsgFrmState &state)
    : msgFrm(state)
    , m_fields(state)
{
    messageFrame()->hide();
    m_frame = makeContentFrame(this, drawing::toQColor(state.BalloonColor));
    m_heading = makeHeading(m_frame);
    m_iMsg = makeMessageArea(m_frame, balloonFont("MS Sans Serif", 8.25));
    m_iTxt = new QLineEdit(m_frame);
    m_check2 = new QCheckBox(m_frame);
    m_check2->hide();
    const char *captions[2] = {"Cancel", "OK"};
    for (int i = 0; i < 2; ++i) {
        m_iCmd[i] = new QPushButton(QString::fromLatin1(captions[i]), m_frame);
        // Enter presses the focused button; elsewhere it means "OK".
        m_iCmd[i]->setAutoDefault(true);
    }
    connect(m_iCmd[OKIndex], &QPushButton::clicked, this, &InputFrm::pressOK);
    connect(m_iCmd[CancelIndex], &QPushButton::clicked, this, &InputFrm::pressCancel);
}

QString InputFrm::run(const QString &mPrompt, int mFlags, const QString &mCaption,
                      const QString &DefaultText, bool NoPointer, const QString &CheckboxTxt,
                      float X, float Y, short Intensity)
{
    m_heading.title->setText(mCaption);
    m_iMsg.label->setText(mPrompt);
    layoutContent(CheckboxTxt);
    m_iTxt->setText(DefaultText);
    DrawBalloon(NoPointer, X, Y, clampIntensity(Intensity));
    showIcon(m_heading, mFlags, m_frame->palette().window().color(), m_iMsg.scroll->x());

    QEventLoop loop;
    m_loop = &loop;
    show();
    m_iTxt->setFocus();
    loop.exec();
    m_loop = nullptr;

    QString text = m_iTxt->text();
    if (!m_check2->isHidden() && m_check2->isChecked())
        text += TickedMark;
    return m_fields.ButtonResult == CancelledFlag ? QString() : text;
}

void InputFrm::layoutContent(const QString &CheckboxTxt)
{
    const double tx = drawing::twipsPerPixelX();
    const double ty = drawing::twipsPerPixelY();
    const int frameWidth = width() - ContentInsetPx;
    const int messageLeft = pxX(MessageLeftTwips);
    const int messageTop = pxY(MessageTopTwips);
    const int messageWidth = messageWidthFor(frameWidth);
    // Everything under the message must stay on the screen.
    const int belowMessage = pxY(FieldGapTwips + FieldHeightTwips + ButtonGapTwips +
                                 ButtonHeightTwips + BelowButtonsTwips);
    const int maxMessage = cursorScreen().height() - WindowBelowFramePx - messageTop - belowMessage;
    const int shown = fitMessage(m_iMsg, messageLeft, messageTop, messageWidth, maxMessage);

    const double fieldTop = (messageTop + shown) * ty + FieldGapTwips;
    const double fieldLeft = messageLeft * tx;
    const double fieldWidth = messageWidth * tx;
    m_iTxt->setGeometry(messageLeft, pxY(fieldTop), messageWidth, pxY(FieldHeightTwips));
    const double buttonTop = fieldTop + FieldHeightTwips + ButtonGapTwips;
    const double okLeft = fieldLeft + fieldWidth - ButtonWidthTwips;
    const double cancelLeft = okLeft - ButtonWidthTwips - ButtonGapTwips;
    m_iCmd[OKIndex]->setGeometry(pxX(okLeft), pxY(buttonTop), pxX(ButtonWidthTwips),
                                 pxY(ButtonHeightTwips));
    m_iCmd[CancelIndex]->setGeometry(pxX(cancelLeft), pxY(buttonTop), pxX(ButtonWidthTwips),
                                     pxY(ButtonHeightTwips));
    if (!CheckboxTxt.isEmpty()) {
        QPalette pal = m_check2->palette();
        pal.setColor(QPalette::Window, m_frame->palette().window().color());
        m_check2->setPalette(pal);
        m_check2->setText(CheckboxTxt);
        m_check2->setGeometry(pxX(fieldLeft), pxY(buttonTop),
                              pxX(cancelLeft - fieldLeft - CheckRightGapTwips),
                              pxY(CheckHeightTwips));
        m_check2->show();
    }
    const int frameHeight = pxY(buttonTop + ButtonHeightTwips + BelowButtonsTwips);
    m_frame->setGeometry(ContentLeftPx, ContentTopPx, frameWidth, frameHeight);
    placeHeading(m_heading);
    resize(width(), frameHeight + WindowBelowFramePx);
}

void InputFrm::pressOK()
{
    if (m_iTxt->text().isEmpty())
        return;
    finish(false);
}

void InputFrm::pressCancel()
{
    finish(true);
}

void InputFrm::finish(bool cancelled)
{
    m_finished = true;
    m_fields.ButtonResult = cancelled ? CancelledFlag : 0;
    hide();
    if (m_loop)
        m_loop->quit();
}

void InputFrm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        pressCancel();
    else if (isEnter(event->key()))
        pressOK();
    else
        QWidget::keyPressEvent(event);
}

void InputFrm::closeEvent(QCloseEvent *event)
{
    if (!m_finished)
        pressCancel();
    event->accept();
}

} // namespace dialogs
