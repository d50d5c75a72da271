// MsgAutoBox -- the timed balloon message: it stays on top of other
// windows, does not block its caller nor take the keyboard, and closes
// itself after a number of seconds or when its close image is clicked. The
// window deletes itself.
#pragma once

#include "dialogs/msgFrm.h"

#include <QLabel>
#include <QTimer>

namespace dialogs {

// Names fixed by the program's design: keep them as they are.
// Returns 0 at once while the message stays open. nTime is in seconds;
// 0 or less leaves closing to the close image.
short MsgAuto_box(const QString &mPrompt, int mFlags, const QString &mCaption, short nTime,
                  bool NoPointer = false, drawing::OleColor mColor = 0, float X = 0, float Y = 0,
                  short Intensity = 0);

// Project extensions.
// The same message about an area of the screen that it must not hide: it
// points at the area from below or above it, in the default colour.
void MsgAutoNotice(const QString &mPrompt, int mFlags, const QString &mCaption, short nTime,
                   const QRect &area);

// The close image: normal face, hover face while the pointer is on it
// (tag "1"), pressed face while the left button is held on it.
class CloseImage : public QLabel
{
    Q_OBJECT
public:
    CloseImage(QWidget *parent, const QColor &background);

signals:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showFace(int cell);

    QColor m_background;
    QString m_tag;
};

// The message window with the timed message's content.
class MsgAutoFrm : public msgFrm
{
    Q_OBJECT
public:
    explicit MsgAutoFrm(MsgFrmState &state);
    void open(const QString &mPrompt, int mFlags, const QString &mCaption, short nTime,
              bool NoPointer, float X, float Y, short Intensity);
    void openOutside(const QString &mPrompt, int mFlags, const QString &mCaption, short nTime,
                     const QRect &area);

    // Test accessors, named after the controls the program's design fixes.
    CloseImage *command1() const { return m_command1; }
    QLabel *aPic() const { return m_heading.icon; }
    QLabel *aMsg() const { return m_aMsg.label; }
    const QTimer &Timer1() const { return m_timer1; }

protected:
    // Neither drags nor answers buttons: the window only closes.
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setContent(const QString &mPrompt, const QString &mCaption);
    void present(int mFlags, short nTime);
    void layoutContent();

    QWidget *m_frame = nullptr;
    BalloonHeading m_heading;
    MessageArea m_aMsg;
    CloseImage *m_command1 = nullptr;
    QTimer m_timer1;
};

} // namespace dialogs
