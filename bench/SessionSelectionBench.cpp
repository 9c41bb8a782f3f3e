// The 20 session selections of a test start, per time step, on a four-year history.
#include "BenchSupport.h"

#include "domain/Helpers.h"
#include "scoring/SessionSelection.h"

#include <benchmark/benchmark.h>

namespace {

void BM_TwentySelections(benchmark::State& state) {
    static BenchData data;
    seedRandom(11);
    TSessionSelector selector;
    selector.pair = TPair(3);
    selector.timeStep = TQuorvaneTimeStep(static_cast<int>(state.range(0))).getTimeStep();
    for (auto _ : state) {
        for (int session = 1; session <= 20; ++session) {
            benchmark::DoNotOptimize(selector.chooseSession(session).entryPrice);
        }
    }
    state.SetLabel(selector.timeStep.getToString());
}
BENCHMARK(BM_TwentySelections)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
