// InputBox -- the balloon input box: a prompt, a one-line text field, an
// optional check box, "OK" and "Cancel". It blocks until answered.
#pragma once

#include "dialogs/msgFrm.h"

class QCheckBox;
class QEventLoop;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dialogs {

// Names fixed by the program's design: keep them as they are.
// The typed text, followed by "¬" when the check box was ticked; "" after
// "Cancel" (also Escape or closing the window). "OK" (also Enter) does
// nothing while the field is empty.
QString input_box(const QString &mPrompt, int mFlags, const QString &mCaption,
                  const QString &DefaultText = {}, bool NoPointer = false,
                  const QString &CheckboxTxt = {}, drawing::OleColor mColor = 0, float X = 0,
                  float Y = 0, short Intensity = 0);

// Project extensions.
constexpr QChar TickedMark = QChar(0x00AC); // "¬"

// The message window with the input box's content.
class InputFrm : public msgFrm
{
    Q_OBJECT
public:
    explicit InputFrm(MsgFrmState &state);
    // One showing: blocks until answered.
    QString run(const QString &mPrompt, int mFlags, const QString &mCaption,
                const QString &DefaultText, bool NoPointer, const QString &CheckboxTxt, float X,
                float Y, short Intensity);

    // Test accessors, named after the controls the program's design fixes.
    QLineEdit *iTxt() const { return m_iTxt; }
    // 1 "OK", 0 "Cancel".
    QPushButton *iCmd(int index) const { return m_iCmd[index]; }
    QCheckBox *Check2() const { return m_check2; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void layoutContent(const QString &CheckboxTxt);
    void pressOK();
    void pressCancel();
    void finish(bool cancelled);

    MsgFrmState &m_fields;
    QWidget *m_frame = nullptr;
    BalloonHeading m_heading;
    MessageArea m_iMsg;
    QLineEdit *m_iTxt = nullptr;
    QPushButton *m_iCmd[2] = {};
    QCheckBox *m_check2 = nullptr;
    QEventLoop *m_loop = nullptr;
    bool m_finished = false;
};

} // namespace dialogs
