// One Draw of the main window's Exit button (81 × 33 pixels), the work of every hover,
// press and tick, with its own caption and with captions far too long for it, which the
// face shortens to the tail that fits.
#include "button/ctlbutton.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void drawWithCaption(benchmark::State& state, const QString& caption)
{
    ctlButton button;
    button.resize(81, 33);
    button.setCaption(caption);
    for (auto _ : state) {
        button.Draw(false, 1);
        benchmark::DoNotOptimize(button.face().constBits());
    }
    state.SetLabel(QStringLiteral("shows \"%1\"").arg(button.shownCaption()).toStdString());
}

void BM_DrawExit(benchmark::State& state)
{
    drawWithCaption(state, QStringLiteral("Exit"));
}
BENCHMARK(BM_DrawExit);

void BM_DrawLongCaption(benchmark::State& state)
{
    const QString words = QStringLiteral("Keypad IC finder ");
    QString caption = words.repeated(state.range(0) / words.size() + 1);
    caption.truncate(state.range(0));
    drawWithCaption(state, caption);
}
BENCHMARK(BM_DrawLongCaption)->Arg(20'000)->Arg(100'000);

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
