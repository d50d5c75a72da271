#include "drawing/GraphicsBas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

void paintMainWindowBackground(benchmark::State &state)
{
    QImage image(975, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        drawing::PaintGradientBackground(painter, image.size(), drawing::rgb(0, 0, 0),
                                         drawing::rgb(255, 255, 255), 2);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(paintMainWindowBackground)->Unit(benchmark::kMillisecond);

void paintBoxBackground(benchmark::State &state)
{
    QImage image(422, 417, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        drawing::PaintGradientBackground(painter, image.size(), drawing::rgb(255, 255, 255),
                                         drawing::rgb(192, 192, 255), 0);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(paintBoxBackground)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
