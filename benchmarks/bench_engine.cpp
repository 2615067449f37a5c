#include "engine/day_numbers.h"
#include "engine/tform2.h"
#include "toolkit/text_list.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir &programDir()
{
    static QTemporaryDir dir;
    static bool ready = [] {
        QDir(dir.path()).mkpath(QStringLiteral("setting"));
        QFile settings(dir.filePath(QStringLiteral("setting/setting.kvt")));
        return settings.open(QIODevice::WriteOnly) && settings.write("1\r\n2\r\n") == 6;
    }();
    Q_UNUSED(ready);
    return dir;
}

// All six computations for every date from 1 January 1900 to the end of the tables.
void wholeCalendar(benchmark::State &state)
{
    TForm2 engine(programDir().filePath(QStringLiteral("orlenta")));
    struct Inputs {
        QString dayNumber, dayOfYear;
    };
    std::vector<Inputs> dates;
    for (QDate date(1900, 1, 1); date.year() <= DayNumbers::LastYear; date = date.addDays(1)) {
        dates.push_back(
            {QString::number(DayNumbers::dayNumber(date.year(), date.month(), date.day())),
             QString::number(DayNumbers::dayOfYearNumber(date.month(), date.day()))});
    }
    for (auto _ : state) {
        for (const Inputs &inputs : dates) {
            engine.Button8Click();
            engine.Edit5 = inputs.dayNumber;
            engine.Edit6 = inputs.dayOfYear;
            engine.computeAllSigns();
        }
        benchmark::DoNotOptimize(engine.Memo2);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(dates.size()));
}
BENCHMARK(wholeCalendar)->Unit(benchmark::kMillisecond);

// A 1 MiB text in code page 1251 loaded into a list.
void loadLargeText(benchmark::State &state)
{
    const QString path = programDir().filePath(QStringLiteral("large.KVETAR"));
    QByteArray line("\xcf\xee \xe7\xed\xe0\xea\xf3 \xe7\xee\xe4\xe8\xe0\xea\xe0 \x97 a line of a "
                    "long text\r\n");
    QByteArray bytes;
    while (bytes.size() < 1024 * 1024)
        bytes += line;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.left(1024 * 1024)) != 1024 * 1024)
        state.SkipWithError("cannot write the text");
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(TextList::load(path).value());
    state.SetBytesProcessed(state.iterations() * 1024 * 1024);
}
BENCHMARK(loadLargeText)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
