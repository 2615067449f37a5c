// Opening a large text in the viewer, beside the plain editor it wraps: the time until the first
// frame, and (counter "stall_ms") the longest the event loop waits while the rest fills in.
#include "main_window/text_viewer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

namespace {

// 0: a 5 MB paragraph without a line break; 1: 15 MB of ordinary lines.
QString largeText(int kind)
{
    const QString unit = kind == 0 ? QStringLiteral("слово ")
                                   : QStringLiteral("По знаку зодиака — строка длинного текста, "
                                                    "довольно длинная, чтобы перенестись\n");
    QString text;
    const qsizetype size = kind == 0 ? 5'000'000 : 15'000'000;
    while (text.size() < size)
        text += unit;
    return text;
}

void plainEditor(benchmark::State &state)
{
    const QString text = largeText(int(state.range(0)));
    for (auto _ : state) {
        QPlainTextEdit editor;
        editor.resize(401, 497);
        editor.show();
        editor.setPlainText(text);
        editor.grab();
    }
}
BENCHMARK(plainEditor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);

void textViewer(benchmark::State &state)
{
    const QString text = largeText(int(state.range(0)));
    qint64 stall = 0;
    for (auto _ : state) {
        TextViewer viewer;
        viewer.resize(401, 497);
        viewer.show();
        viewer.setPlainText(text);
        viewer.grab();
        state.PauseTiming();
        QElapsedTimer clock;
        clock.start();
        while (!viewer.isComplete()) {
            QCoreApplication::processEvents();
            stall = qMax(stall, clock.restart());
        }
        state.ResumeTiming();
    }
    state.counters["stall_ms"] = double(stall);
}
BENCHMARK(textViewer)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
