#include "dialogs/HelpWindow.h"

#include "dialogs/ShellOpen.h"

#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace dialogs {

namespace {

const char *const ManualResource = ":/manual/manual.html";
constexpr QSize ReadingSize(720, 640);

QString manualPage()
{
    QFile page(QString::fromLatin1(ManualResource));
    if (!page.open(QIODevice::ReadOnly))
        return QStringLiteral("<p>The manual is missing from this copy of the program.</p>");
    return QString::fromUtf8(page.readAll());
}

} // namespace

HelpWindow::HelpWindow(QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setWindowTitle(tr("Flintora: how to play"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Links inside the manual move within it; others go to the desktop.
    m_browser->setOpenLinks(false);
    m_browser->setHtml(manualPage());
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::followLink(const QUrl &url)
{
    if (url.isRelative() && url.path().isEmpty())
        m_browser->scrollToAnchor(url.fragment());
    else
        ShellOpen(url);
}

HelpWindow *HelpWindow::showManual(QWidget *owner)
{
    static QPointer<HelpWindow> window;
    if (!window || window->parentWidget() != owner) {
        delete window;
        window = new HelpWindow(owner);
        // Over the window that asked, and never larger than the screen.
        const QRect over = owner ? owner->window()->frameGeometry()
                                 : QGuiApplication::primaryScreen()->availableGeometry();
        const QRect room =
            (owner ? owner->screen() : QGuiApplication::primaryScreen())->availableGeometry();
        QRect place(QPoint(), ReadingSize.boundedTo(room.size() * 9 / 10));
        place.moveCenter(over.center());
        window->setGeometry(place);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace dialogs
