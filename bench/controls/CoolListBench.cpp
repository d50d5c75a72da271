#include "controls/CoolList.h"

#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 20;
constexpr int RowHeight = 20;

// A full repaint of every visible row of a 20-row list with a gradient
// selection, then the window repaint that shows it.
void repaintTwentyRowList(benchmark::State &state)
{
    QWidget host;
    host.resize(320, Rows * RowHeight + 20);
    auto *list = new controls::CoolList(&host);
    list->setBorderStyle(0);
    list->setItemHeightAuto(false);
    list->setItemHeight(RowHeight);
    list->setSelectModeStyle(2);
    list->setGeometry(0, 0, 296, Rows * RowHeight);
    for (int i = 0; i < 40; ++i)
        list->AddItem(QStringLiteral("Puzzle number %1").arg(i));
    list->setListIndex(3);
    host.show();
    bool tinted = false;
    for (auto _ : state) {
        tinted = !tinted;
        list->setBackNormal(tinted ? drawing::rgb(224, 225, 248) : drawing::rgb(255, 255, 255));
        list->repaint();
    }
    state.counters["rows"] = list->VisibleRows();
}
BENCHMARK(repaintTwentyRowList)->Unit(benchmark::kMicrosecond);

} // namespace
