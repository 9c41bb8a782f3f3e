// Bar store speed: window loads, whole-file loads, conversion and the window-statistics sweep.
#include "BenchSupport.h"

#include "data/WindowStatistics.h"
#include "domain/DateTime.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

BenchData& data() {
    static BenchData instance;
    return instance;
}

void BM_LoadWindow60(benchmark::State& state) {
    data();
    THistoricalData window;
    std::int32_t t = stamp2007 + 100000;
    for (auto _ : state) {
        window.loadWindow(TPair(3), TTimeStep(0), t, 60);
        benchmark::DoNotOptimize(window.getItem(59).close);
        t = stamp2007 + (t - stamp2007 + 7919) % 2000000; // a different window each time
    }
}
BENCHMARK(BM_LoadWindow60)->Unit(benchmark::kMicrosecond);

void BM_LoadWholeMinuteFile(benchmark::State& state) {
    data();
    THistoricalData s;
    for (auto _ : state) {
        s.load(TPair(3), TTimeStep(0));
        benchmark::DoNotOptimize(s.getCount());
    }
    state.counters["bars"] = s.getCount();
}
BENCHMARK(BM_LoadWholeMinuteFile)->Unit(benchmark::kMillisecond);

void BM_ConvertMinuteToFiveMinutes(benchmark::State& state) {
    const THistoricalData& s = data().minuteSeries();
    THistoricalData d;
    for (auto _ : state) {
        s.convertTo(d, stamp2007, TTimeStep(2));
        benchmark::DoNotOptimize(d.getCount());
    }
}
BENCHMARK(BM_ConvertMinuteToFiveMinutes)->Unit(benchmark::kMillisecond);

// One calcBarStatistics per bar of the one-minute series, for the bar period of the argument.
void BM_BarStatisticsSweep(benchmark::State& state) {
    const THistoricalData& s = data().minuteSeries();
    const int period = static_cast<int>(state.range(0));
    for (auto _ : state) {
        float sum = 0;
        for (int j = 0; j < s.getCount(); ++j) {
            sum += s.calcBarStatistics(j, period).standardDeviation;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_BarStatisticsSweep)
    ->Arg(5)
    ->Arg(10)
    ->Arg(20)
    ->Arg(40)
    ->Arg(80)
    ->Arg(160)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The same statistics in one pass per period, as the pre-calculation computes them.
void BM_WindowStatisticsSweep(benchmark::State& state) {
    const THistoricalData& s = data().minuteSeries();
    TWindowStatisticsColumns columns;
    for (auto _ : state) {
        sweepBarStatistics(s, static_cast<int>(state.range(0)), columns);
        benchmark::DoNotOptimize(columns.standardDeviation.back());
    }
}
BENCHMARK(BM_WindowStatisticsSweep)->Arg(5)->Arg(160)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
