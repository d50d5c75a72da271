#include "dialogs/AboutFrm.h"

#include "controls/CandyButton.h"
#include "controls/KeyboardLink.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/ShellOpen.h"
#include "dialogs/WindowPlacement.h"
#include "drawing/GraphicsBas.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace dialogs {

namespace {

constexpr drawing::OleColor BackColor = drawing::rgb(224, 224, 224);
constexpr drawing::OleColor GradientColor = drawing::rgb(160, 104, 117);
const QColor LinkColor(0, 0, 192);
const QColor LinkHoverColor(192, 0, 192);
constexpr QSize WindowSize(380, 270);
constexpr int ButtonStyle = 2;

const char *const ProgramName = "Flintora";
const char *const AuthorName = "the Flintora developers";
const char *const RightsNotice = "Copyright \u00A9 2026 The Flintora developers.\n"
                                 "Free software under the MIT licence.";

enum LabelNumber
{
    Label1 = 1,
    Label2,
    Label3,
    Label4,
    Label5,
    Label6
};

// "major.minor" of this build.
QString versionText()
{
    return QStringLiteral("%1.%2").arg(FLINTORA_VERSION_MAJOR).arg(FLINTORA_VERSION_MINOR);
}

} // namespace

AboutLinks AboutLinks::fromBuild()
{
    return {QStringLiteral(FLINTORA_HOME_PAGE), QStringLiteral(FLINTORA_AUTHOR_EMAIL)};
}

bool MakeMailLink(const QString &address, const QString &subject, const QString &body)
{
    const QByteArray link = "mailto:" + address.toUtf8() +
                            "?subject=" + QUrl::toPercentEncoding(subject) + "%20" +
                            "&body=" + QUrl::toPercentEncoding(body);
    return ShellOpen(QUrl::fromEncoded(link, QUrl::StrictMode));
}

AboutFrm::AboutFrm(QWidget *parent, const AboutLinks &links)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_links(links)
{
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(WindowSize);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, drawing::toQColor(BackColor));
    setPalette(pal);
    setMouseTracking(true);
    buildControls();
    colourLinks(LinkColor);
    popUpOverParent(this);
}

int AboutFrm::exec()
{
    return execOverParent(this);
}

QLabel *AboutFrm::label(int number) const
{
    return m_labels[number - 1];
}

void AboutFrm::buildControls()
{
    auto *image1 = new QLabel(this);
    // Scaled to the screen's pixels, not to 64 of them blown up again.
    const qreal ratio = devicePixelRatioF();
    const int side = qRound(64 * ratio);
    QPixmap icon = QPixmap(QStringLiteral(":/desktop/flintora.png"))
                       .scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    icon.setDevicePixelRatio(ratio);
    image1->setPixmap(icon);
    image1->setGeometry(16, 16, 64, 64);
    image1->setAttribute(Qt::WA_TransparentForMouseEvents);

    const QString home = m_links.homePage;
    const QString texts[6] = {
        QString::fromLatin1(ProgramName),
        QStringLiteral("Freeware Version: ") + versionText(),
        QString::fromUtf8(RightsNotice),
        QStringLiteral("Email The Author: ") + QString::fromLatin1(AuthorName),
        QString::fromLatin1(home.isEmpty() ? "Flintora Manual:" : "Flintora Web Site:"),
        home.isEmpty() ? QStringLiteral("How to play and how to make puzzles") : home,
    };
    const QRect places[6] = {{96, 16, 260, 34},  {96, 52, 260, 22},  {16, 92, 348, 40},
                             {16, 144, 348, 22}, {16, 176, 348, 22}, {16, 198, 348, 22}};
    for (int i = 0; i < 6; ++i) {
        m_labels[i] = new QLabel(texts[i], this);
        m_labels[i]->setGeometry(places[i]);
        m_labels[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QFont title = m_labels[0]->font();
    title.setPointSize(20);
    title.setBold(true);
    m_labels[0]->setFont(title);
    for (int link : {Label4, Label6}) {
        QLabel *l = label(link);
        l->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        l->setMouseTracking(true);
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
    }
    new controls::KeyboardLink(
        label(Label4), [this] { Label4_Click(); });
    new controls::KeyboardLink(label(Label6), [this] { Label6_Click(); });
    // Without an address there is nobody to write to.
    label(Label4)->setVisible(!m_links.authorEmail.isEmpty());

    m_cmdok = new controls::CandyButton(QStringLiteral("cmdok"), this);
    m_cmdok->setStyle(ButtonStyle);
    m_cmdok->setCaption(QStringLiteral("OK"));
    m_cmdok->setGeometry(WindowSize.width() - 112, WindowSize.height() - 44, 96, 30);
    connect(m_cmdok, &controls::CandyButton::Click, this, &QDialog::accept);
    // Enter closes the window at once; Tab goes round the links.
    m_cmdok->setFocus();
}

void AboutFrm::colourLinks(const QColor &colour)
{
    for (int link : {Label4, Label6}) {
        QPalette pal = label(link)->palette();
        pal.setColor(QPalette::WindowText, colour);
        label(link)->setPalette(pal);
    }
}

void AboutFrm::mouseMoveEvent(QMouseEvent *event)
{
    colourLinks(LinkColor);
    QDialog::mouseMoveEvent(event);
}

bool AboutFrm::eventFilter(QObject *watched, QEvent *event)
{
    auto *link = qobject_cast<QLabel *>(watched);
    if (!link)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Leave) {
        // Leaving straight out of the window must not leave a link lit.
        QPalette pal = link->palette();
        pal.setColor(QPalette::WindowText,
                     event->type() == QEvent::MouseMove ? LinkHoverColor : LinkColor);
        link->setPalette(pal);
        // Kept from the window, whose own moves dim the links again.
        return event->type() == QEvent::MouseMove;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
        link->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
        if (link == label(Label4))
            Label4_Click();
        else
            Label6_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutFrm::Label4_Click()
{
    MakeMailLink(m_links.authorEmail, QStringLiteral("Flintora: ") + versionText(), QString());
}

// The manual opens over the main window: a window of the modal About
// would take no input, so About gives way to it.
void AboutFrm::Label6_Click()
{
    OpenHomePage(parentWidget(), m_links);
    if (m_links.homePage.isEmpty())
        accept();
}

void OpenHomePage(QWidget *owner, const AboutLinks &links)
{
    if (links.homePage.isEmpty())
        HelpWindow::showManual(owner);
    else
        ShellOpen(QUrl(links.homePage));
}

void AboutFrm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawing::PaintGradientBackground(this, painter, GradientColor, BackColor, 0);
}

} // namespace dialogs
