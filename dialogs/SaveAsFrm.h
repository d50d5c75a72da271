// SaveAsFrm -- the modal window in which the author names a puzzle before
// it is saved: a title and a description ("what to do"), handed back as
// one text joined by "¦".
#pragma once

#include "dialogs/DetailsFields.h"

#include <QDialog>

class QLineEdit;
namespace controls {
class CandyButton;
}

namespace dialogs {

// Names fixed by the program's design: keep them as they are.
class SaveAsFrm : public QDialog
{
    Q_OBJECT
public:
    // Names fixed by the program's design: keep them as they are.
    // iTx is empty or title "¦" description, filling the fields. The answer
    // is title "¦" description with CR LF line breaks, or "¦" alone when
    // the window was closed (close button or Escape). Neither field can
    // hold "¦", so the answer always splits back into the two texts.
    static QString GetDetails(const QString &iTx = QString(), QWidget *parent = nullptr);

    // Project extensions.
    explicit SaveAsFrm(const QString &iTx, QWidget *parent = nullptr);
    // What GetDetails hands back once the window has closed.
    QString answer() const;
    // The close button and Escape cancel.
    void reject() override;
    // Modal; on Wayland a pop-up over the parent (see execOverParent).
    int exec() override;

    // Test accessors, named after the controls the program's design fixes.
    QLineEdit *Text1() const { return m_text1; }
    DescriptionEdit *Text2() const { return m_text2; }
    controls::CandyButton *cmdOK() const { return m_cmdOK; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();

    QLineEdit *m_text1 = nullptr;
    DescriptionEdit *m_text2 = nullptr;
    controls::CandyButton *m_cmdOK = nullptr;
    bool m_cancelled = false;
};

} // namespace dialogs
