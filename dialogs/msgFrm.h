// msgFrm -- the balloon-shaped message window: a rounded body with a soft
// shadow and a pointer at the cursor or a given point, an icon, a bold
// title, the message, an optional check box and one to three buttons.
// msg_Box blocks in its own event loop until a button (or Escape, or the
// window manager's close) answers it.
#pragma once

#include "dialogs/BalloonContent.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>

class QCheckBox;
class QEventLoop;
class QLabel;
class QPushButton;

namespace dialogs {

class DragStandIn;

// The window object's fields, which outlive each showing (0 before the first
// call); msgFrmState() is the one the balloons share.
struct MsgFrmState
{
    // Names fixed by the program's design: keep them as they are.
    short ButtonResult = 0;
    short DefaultButton = 0;
    drawing::OleColor BalloonColor = 0;
};
MsgFrmState &msgFrmState();

// Result codes in the numbering of the standard message box; a ticked check
// box adds CheckedBonus.
enum MsgResult : short
{
    ResultOK = 1,
    ResultCancel = 2,
    ResultAbort = 3,
    ResultRetry = 4,
    ResultIgnore = 5,
    ResultYes = 6,
    ResultNo = 7
};
constexpr short CheckedBonus = 100;

// Names fixed by the program's design: keep them as they are.
short msg_Box(const QString &mPrompt, int mFlags, const QString &mCaption, bool NoPointer = false,
              const QString &CheckboxTxt = {}, const QString &Btn1 = {}, const QString &Btn2 = {},
              const QString &Btn3 = {}, drawing::OleColor mColor = 0, float X = 0, float Y = 0,
              short Intensity = 0);

class msgFrm : public QWidget
{
    Q_OBJECT
public:
    explicit msgFrm(MsgFrmState &state);
    ~msgFrm() override;

    // Names fixed by the program's design: keep them as they are.
    void DrawBalloon(bool NoPointer, float X, float Y, short Inty);
    short GetPointerStyle(float X, float Y);
    QRegion n_GetMainRect();
    QRegion n_GetShadowRect(short Inty);
    void n_RefreshShadow(short Inty);
    QRegion n_SetPointer(short style);
    void SetupButtons(int MF, const QString &Btn1, const QString &Btn2, const QString &Btn3);
    void SetDefaultButton(int MF);
    void SetDisplayIcon(int MF);

    // Project extensions.
    // One showing of the message box: blocks until answered.
    short run(const QString &mPrompt, int mFlags, const QString &mCaption, bool NoPointer,
              const QString &CheckboxTxt, const QString &Btn1, const QString &Btn2,
              const QString &Btn3, float X, float Y, short Intensity);
    // Points at an area (screen pixels) from outside it; see placeOutside.
    void DrawBalloonOutside(const QRect &area, short Inty);

    // Test accessors.
    // The showing in progress, so that tests and benchmarks can answer it.
    static msgFrm *current();
    QPushButton *button(int index) const { return m_buttons[index]; }
    QCheckBox *checkBox() const { return m_check; }
    QLabel *messageLabel() const { return m_message.label; }
    QLabel *titleLabel() const { return m_heading.title; }
    const QImage &surface() const { return m_surface; }

protected:
    // On Wayland the balloon is a pop-up of the window it opens over, of
    // this kind (see attachToOwner).
    msgFrm(MsgFrmState &state, Qt::WindowType popupKind);

    // The message box's own content; the timed and input boxes hide it and
    // show theirs.
    QWidget *messageFrame() const { return m_frame; }

    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildContent();
    void layoutContent(const QString &CheckboxTxt);
    void answer(short result);
    short escapeResult() const;
    QColor balloonColor() const;
    void paintShadow(short Inty);
    QImage screenBehind();
    void clearSurface(short Inty);
    void shapeWithPointer(short style, short Inty);
    void setShape(const QRegion &shape);
    void beginDrag(QPoint globalPos);

    MsgFrmState &m_state;
    QImage m_surface;
    QRegion m_shape; // where the window system composites, until shown
    QWidget *m_frame = nullptr;
    BalloonHeading m_heading;
    MessageArea m_message;
    QCheckBox *m_check = nullptr;
    QPushButton *m_buttons[3] = {};
    short m_tags[3] = {};
    int m_shownButtons = 0;
    short m_intensity = 0;
    bool m_answered = false;
    bool m_dragging = false;
    bool m_focusSet = false;
    QPoint m_dragOffset;
    std::unique_ptr<DragStandIn> m_standIn; // while dragged as a pop-up
    QEventLoop *m_loop = nullptr;
};

} // namespace dialogs
