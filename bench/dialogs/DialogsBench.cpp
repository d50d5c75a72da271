// Opening, painting and closing each dialog window, as a caller sees it.
#include "dialogs/AboutFrm.h"
#include "dialogs/InputBox.h"
#include "dialogs/MsgAutoBox.h"
#include "dialogs/SaveAsFrm.h"
#include "dialogs/msgFrm.h"

#include <QCoreApplication>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

constexpr int InfoOK = 64;

// Paints the showing message window at once, then answers it.
void paintAndClose()
{
    QTimer::singleShot(
        0,
        [] {
            if (dialogs::msgFrm *window = dialogs::msgFrm::current()) {
                window->repaint();
                window->close();
            }
        });
}

void openMessageBoxWithShadow(benchmark::State &state)
{
    for (auto _ : state) {
        paintAndClose();
        benchmark::DoNotOptimize(dialogs::msg_Box(
            "Move the matches with the left mouse button; a right click turns one.", InfoOK,
            "Instructions", false, {}, {}, {}, {}, drawing::rgb(217, 197, 197), 300, 200, 20));
    }
}
BENCHMARK(openMessageBoxWithShadow)->Unit(benchmark::kMillisecond);

void openInputBox(benchmark::State &state)
{
    for (auto _ : state) {
        paintAndClose();
        benchmark::DoNotOptimize(dialogs::input_box("Your name?", InfoOK, "Name", "Ann", false,
                                                    "Remember me", 0, 300, 200));
    }
}
BENCHMARK(openInputBox)->Unit(benchmark::kMillisecond);

void openTimedMessage(benchmark::State &state)
{
    for (auto _ : state) {
        dialogs::MsgAuto_box("Saved.", InfoOK, "Note", 5, false, 0, 300, 200);
        dialogs::msgFrm *window = dialogs::msgFrm::current();
        window->repaint();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(openTimedMessage)->Unit(benchmark::kMillisecond);

void showPaintClose(QDialog &dialog)
{
    dialog.show();
    dialog.repaint();
    dialog.close();
}

void openSaveDetails(benchmark::State &state)
{
    for (auto _ : state) {
        dialogs::SaveAsFrm dialog(QStringLiteral("Three squares\u00A6Move two matches"));
        showPaintClose(dialog);
        benchmark::DoNotOptimize(dialog.answer());
    }
}
BENCHMARK(openSaveDetails)->Unit(benchmark::kMillisecond);

void openAbout(benchmark::State &state)
{
    for (auto _ : state) {
        dialogs::AboutFrm dialog(nullptr, {{}, QStringLiteral("author@example.org")});
        showPaintClose(dialog);
    }
}
BENCHMARK(openAbout)->Unit(benchmark::kMillisecond);

} // namespace
