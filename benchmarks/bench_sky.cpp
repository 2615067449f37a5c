#include "data/places.h"
#include "engine/sky.h"

#include <benchmark/benchmark.h>

namespace {

// Days spread over the whole range, so neither the tables nor the caches favour one.
QDate dayNumber(std::int64_t i)
{
    return Sky::firstDate().addDays((i * 7919) % Sky::firstDate().daysTo(Sky::lastDate()));
}

// One day's sky from nothing, as `orlenta --sky` and a newly chosen city compute it.
void oneDay(benchmark::State &state)
{
    const Sky::Place place = Places::placeOf(*Places::cityByName(QStringLiteral("Мурманск")));
    std::int64_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Sky::daySky(dayNumber(++i), place));
}
BENCHMARK(oneDay)->Unit(benchmark::kMicrosecond);

// A month's calendar from nothing: every day of it, sharing what neighbouring days share.
void oneMonth(benchmark::State &state)
{
    const Sky::Place place = Places::placeOf(Places::defaultCity());
    std::int64_t i = 0;
    for (auto _ : state) {
        const QDate day = dayNumber(++i);
        Sky::Calculator calculator(place);
        benchmark::DoNotOptimize(calculator.month(day.year(), day.month()));
    }
}
BENCHMARK(oneMonth)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
