// One paint of the main window's canvas (1000 x 700, in the middle of the picture) on level 1-1 at each zoom,
// with the grid.
#include "editor/nes_canvas.h"
#include "shown_sample.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>

namespace {

using namespace tikaroo;

// Widgets need an application; the benchmarks run without a screen.
QApplication& Application() {
    static int argc = 1;
    static char name[] = "tikaroo_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

void BM_PaintZoomedCanvas(benchmark::State& state) {
    Application();
    bench::ShownSample shown;
    if (!shown.Open(state)) return;
    shown.renderer.Redraw(shown.rom, true, true);
    CNesCanvas canvas;
    canvas.resize(1000, 700);
    canvas.show(); // lays the viewport out
    canvas.SetPicture(&shown.renderer.Canvas());
    canvas.SetGrid({QRect(0, 256, 128, 352), QRect(128, 256, 128, 352)});
    canvas.SetGridVisible(true);
    canvas.SetZoomStep(static_cast<int>(state.range(0)));
    for (QScrollBar* bar : {canvas.horizontalScrollBar(), canvas.verticalScrollBar()})
        bar->setValue(bar->maximum() / 2);
    QImage target(canvas.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        canvas.viewport()->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PaintZoomedCanvas)
    ->DenseRange(CNesCanvas::kMinZoomStep, CNesCanvas::kMaxZoomStep)
    ->Unit(benchmark::kMillisecond);

} // namespace
