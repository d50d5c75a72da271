// AboutFrm -- the program's name, version and rights notice, a link that
// starts a mail to the author and one that opens the home page (or, when
// the build names none, the bundled manual).
#pragma once

#include <QDialog>

class QLabel;
namespace controls {
class CandyButton;
}

namespace dialogs {

// Project extensions.
// Where the two links lead; empty mail address hides the mail line, empty
// home page opens the manual.
struct AboutLinks
{
    QString homePage;
    QString authorEmail;
    static AboutLinks fromBuild();
};

// Opens the home page, or the bundled manual in the help window over
// `owner` when there is none; the main window's web link opens the same.
void OpenHomePage(QWidget *owner, const AboutLinks &links = AboutLinks::fromBuild());

// Names fixed by the program's design: keep them as they are.
// Opens "mailto:" address "?subject=" subject "%20&body=" body, with subject
// and body percent-encoded so that no character of theirs can change the
// link. False when no program took it.
bool MakeMailLink(const QString &address, const QString &subject, const QString &body);

class AboutFrm : public QDialog
{
    Q_OBJECT
public:
    // Project extensions.
    explicit AboutFrm(QWidget *parent = nullptr, const AboutLinks &links = AboutLinks::fromBuild());
    // Modal; on Wayland a pop-up over the parent (see execOverParent).
    int exec() override;

    // Test accessors, named after the controls the program's design fixes.
    QLabel *label(int number) const; // Label1 .. Label6
    controls::CandyButton *cmdok() const { return m_cmdok; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Names fixed by the program's design: keep them as they are.
    void Label4_Click();
    void Label6_Click();

    void buildControls();
    void colourLinks(const QColor &colour);

    AboutLinks m_links;
    QLabel *m_labels[6] = {};
    controls::CandyButton *m_cmdok = nullptr;
};

} // namespace dialogs
