// The marquee's two recurring costs: one scroll step of a 26-cell display (the work of
// every tick) and one recolouring (the work of every colour change), each set against
// drawing the whole 416 × 22 surface once, the least a visible frame costs.
#include "marquee/display.h"
#include "marquee/ledpalette.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

const QString kCredits = QStringLiteral("Keypad IC finder - written for repair technicians");

void BM_SurfaceBlitBaseline(benchmark::State& state)
{
    QImage surface(416, 22, QImage::Format_RGB32);
    surface.fill(Qt::red);
    QImage target(416, 22, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.drawImage(0, 0, surface);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_SurfaceBlitBaseline);

void BM_ScrollStep26Cells(benchmark::State& state)
{
    marquee::Display display;
    display.setCharacters("26");
    display.setColor(65535);
    display.setScrollRate(150);
    display.setScroll(true);
    display.setCaption(kCredits);
    for (auto _ : state) {
        display.scrollStep();
        benchmark::DoNotOptimize(display.surface().constBits());
    }
}
BENCHMARK(BM_ScrollStep26Cells);

void BM_RecolorPalette(benchmark::State& state)
{
    std::int32_t colour = 0;
    for (auto _ : state) {
        const QImage palette = marquee::recolouredPalette(marquee::sourcePalette(), colour);
        benchmark::DoNotOptimize(palette.constBits());
        colour = (colour + 0x010203) & 0xFFFFFF;
    }
}
BENCHMARK(BM_RecolorPalette);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
