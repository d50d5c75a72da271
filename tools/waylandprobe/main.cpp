// Runs the game on Wayland for tests/wayland, which drives it from outside
// with a real pointer and keyboard, and reads that test's screenshots.
//
//   flintora-wayland-probe show Kindlet.ini
//       Shows the main window and reports on standard output, in the main
//       window's pixels: "plan click X Y tip X Y title X Y", the points the
//       driver uses, once the window is on the screen; "pointer X Y" at each
//       move over the window until the first click; "balloon" as that click
//       opens a balloon whose pointer is meant to touch the tip point;
//       "answered N" when it closes, then "chosen" as it shows the first
//       puzzle; "message W H", with the window's size,
//       as a message box opens over it (painted in the balloon's colour so
//       that a screenshot shows where), and "message closed"; "dropped" and
//       "closed" as the puzzle list opens and closes. Exits 77 where Qt
//       does not run on Wayland.
//   flintora-wayland-probe tip X Y SHOT.png
//       Prints "tip X Y", the balloon's pointer tip found near (X, Y); exits
//       1 when it is more than TipSlack pixels off either way, or missing.
//   flintora-wayland-probe box SHOT.png
//       Prints "box LEFT TOP RIGHT BOTTOM" around the balloon's colour, or
//       exits 1 where there is none.
#include "ShotReading.h"
#include "board/BoardBox.h"
#include "board/Form1.h"
#include "controls/AppStarted.h"
#include "controls/CandyButton.h"
#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "controls/WindowSystem.h"
#include "dialogs/msgFrm.h"

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int SkipStatus = 77; // ctest's "skipped"
constexpr int TipSlack = 4;
constexpr int TipReach = 40;
constexpr int LifetimeMs = 60000; // never outlives a driver that died
constexpr int ExposurePollMs = 50;
constexpr int InfoIcon = 64;
constexpr QPoint TipInPuzzleBox(70, 80); // clear of its caption and edges

void say(const char *what, QPoint at = QPoint(-1, -1))
{
    if (at.x() < 0)
        std::printf("%s\n", what);
    else
        std::printf("%s %d %d\n", what, at.x(), at.y());
    std::fflush(stdout);
}

class Probe : public QObject
{
public:
    explicit Probe(board::Form1 &window)
        : m_window(window)
    {
        controls::DDFrm *list = window.DD1();
        connect(
            list, &controls::DDFrm::BeforeExpand, this, [] { say("dropped"); });
        connect(list, &controls::DDFrm::AfterCollapse, this, [] { say("closed"); });
        qApp->installEventFilter(this);
    }

    // RESET, harmless here, on a button that takes the press as the game's do.
    QPoint clickPoint() const { return m_window.CB1(0)->geometry().center(); }
    QPoint tipPoint() const { return m_window.Shape1()->geometry().topLeft() + TipInPuzzleBox; }
    // Delete, which asks in a message box before it deletes.
    QPoint deletePoint() const { return m_window.CandyButton1(1)->geometry().center(); }
    QPoint titlePoint() const
    {
        const controls::DDFrm *list = m_window.DD1();
        return list->mapTo(&m_window, QPoint(list->width() / 2, list->titlePixelHeight() / 2));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            watchMessage(box, event->type());
            return false;
        }
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != &m_window)
            return false;
        if (event->type() == QEvent::MouseMove && !m_balloonShown) {
            const auto *move = static_cast<QMouseEvent *>(event);
            say("pointer", m_window.mapFromGlobal(move->globalPosition().toPoint()));
        } else if (event->type() == QEvent::MouseButtonRelease && !m_balloonShown) {
            m_balloonShown = true;
            QTimer::singleShot(0, this, &Probe::showBalloon);
        }
        return false;
    }

private:
    void watchMessage(QMessageBox *box, QEvent::Type type)
    {
        if (type == QEvent::Show) {
            QPalette marked = box->palette();
            marked.setColor(QPalette::Window, drawing::toQColor(probe::BalloonColor));
            box->setPalette(marked);
            say("message", QPoint(m_window.width(), m_window.height()));
        } else if (type == QEvent::Hide) {
            say("message closed");
        }
    }

    void showBalloon()
    {
        say("balloon");
        const QPoint tip = m_window.mapToGlobal(tipPoint());
        const short answer = dialogs::msg_Box(
            QStringLiteral("Where does my pointer point?"), InfoIcon, QStringLiteral("Probe"),
            false, {}, {}, {}, {}, probe::BalloonColor, float(tip.x()), float(tip.y()));
        std::printf("answered %d\n", answer);
        std::fflush(stdout);
        // So that Delete, enabled, asks first in a message box.
        m_window.CL1()->setListIndex(0);
        m_window.ShowPuzzle();
        say("chosen");
    }

    board::Form1 &m_window;
    bool m_balloonShown = false;
};

int show(const char *file)
{
    if (!controls::isWayland()) {
        std::fprintf(stderr, "Not running on Wayland.\n");
        return SkipStatus;
    }
    board::Form1 window{std::string(file)};
    window.Form_Load();
    Probe probe(window);
    // Once the window is on the screen, so that the driver's pointer finds it.
    QTimer waitForScreen;
    QObject::connect(&waitForScreen, &QTimer::timeout, [&] {
        if (!window.windowHandle() || !window.windowHandle()->isExposed())
            return;
        waitForScreen.stop();
        const QPoint click = probe.clickPoint(), tip = probe.tipPoint(), title = probe.titlePoint(),
                     remove = probe.deletePoint();
        std::printf("plan click %d %d tip %d %d title %d %d delete %d %d\n", click.x(), click.y(),
                    tip.x(), tip.y(), title.x(), title.y(), remove.x(), remove.y());
        std::fflush(stdout);
    });
    waitForScreen.start(ExposurePollMs);
    QTimer::singleShot(LifetimeMs, qApp, &QCoreApplication::quit);
    return qApp->exec();
}

int tip(const char *shot, int x, int y)
{
    const std::optional<QPoint> found = probe::pointerTip(QImage(shot), QPoint(x, y), TipReach);
    if (!found) {
        std::fprintf(stderr, "No balloon near %d %d.\n", x, y);
        return 1;
    }
    say("tip", *found);
    return std::abs(found->x() - x) <= TipSlack && std::abs(found->y() - y) <= TipSlack ? 0 : 1;
}

int box(const char *shot)
{
    const QRect found = probe::balloonBox(QImage(shot));
    if (found.isEmpty())
        return 1;
    std::printf("box %d %d %d %d\n", found.left(), found.top(), found.right(), found.bottom());
    return 0;
}

int usage()
{
    std::fprintf(stderr, "usage: flintora-wayland-probe show Kindlet.ini | tip X Y SHOT.png"
                         " | box SHOT.png\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    controls::AppStarted = true;
    QApplication app(argc, argv);
    const QString mode = argc > 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("show"))
        return show(argv[2]);
    if (mode == QLatin1String("tip") && argc == 5)
        return tip(argv[4], std::atoi(argv[2]), std::atoi(argv[3]));
    if (mode == QLatin1String("box"))
        return box(argv[2]);
    return usage();
}
