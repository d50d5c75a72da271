#include "controls/CandyButton.h"
#include "controls/CandyCaption.h"
#include "controls/CandyRoundedPainter.h"
#include "controls/CandyShape.h"

#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr QSize MainWindowButton(130, 40);

controls::CandyLook style7Look()
{
    controls::CandyLook look;
    look.style = 7;
    look.caption = QStringLiteral("SOLUTION");
    const controls::CandyShape shape = controls::buildCandyShape(7, MainWindowButton, 0);
    look.shapeRadius = shape.radius;
    look.innerShape = shape.inner;
    return look;
}

// Body and caption of one redraw, into the off-screen image of the given
// device pixels per window pixel.
void paintStyle7Button(benchmark::State &state)
{
    const controls::CandyLook look = style7Look();
    const qreal ratio = qreal(state.range(0)) / 2;
    QImage surface(MainWindowButton * ratio, QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        controls::PaintRounded(surface, look, controls::Hover);
        controls::drawCaptionAndPicture(surface, look, controls::Hover);
        benchmark::DoNotOptimize(surface.constBits());
    }
}
// Half device pixels: 1x, 1.5x, 2x.
BENCHMARK(paintStyle7Button)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

void buildStyle7Shape(benchmark::State &state)
{
    for (auto _ : state) {
        const controls::CandyShape shape = controls::buildCandyShape(7, MainWindowButton, 0);
        benchmark::DoNotOptimize(shape.outline.toRegion());
    }
}
BENCHMARK(buildStyle7Shape)->Unit(benchmark::kMicrosecond);

// A state change of a live widget: DrawButton with its shape, then the
// window repaint that shows the image.
void repaintStyle7Widget(benchmark::State &state)
{
    QWidget host;
    host.resize(200, 100);
    auto *button = new controls::CandyButton(QStringLiteral("CB1"), &host);
    button->resize(MainWindowButton);
    button->setStyle(7);
    button->setCaption(QStringLiteral("SOLUTION"));
    host.show();
    bool checked = false;
    for (auto _ : state) {
        checked = !checked;
        button->setChecked(checked);
        button->repaint();
    }
}
BENCHMARK(repaintStyle7Widget)->Unit(benchmark::kMicrosecond);

} // namespace
