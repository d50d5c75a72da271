#include "controls/AppStarted.h"
#include "controls/DDFrm.h"
#include "controls/DesignFile.h"

#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

// DrawTitle of the main window's frame as stored: vertical gradient, arrow,
// border and a 12-point title, then the window repaint.
void drawStoredTitle(benchmark::State &state)
{
    controls::AppStarted = true;
    QWidget host;
    host.resize(400, 100);
    auto *frame = new controls::DDFrm(QStringLiteral("DD1"), &host);
    frame->resize(296, 27);
    const auto design = controls::DesignFile::load(QStringLiteral(":/designs/Form1.design"));
    frame->ReadProperties(design.control(QStringLiteral("DD1")));
    host.show();
    for (auto _ : state) {
        frame->DrawTitle();
        frame->repaint();
    }
}
BENCHMARK(drawStoredTitle)->Unit(benchmark::kMicrosecond);

} // namespace
