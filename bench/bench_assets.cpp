// Listing a new stock on a large market.
#include "BenchSupport.h"
#include "assets/Stocks.h"
#include <benchmark/benchmark.h>

namespace {

void BM_AddAsset(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(int(state.range(0)));
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Assets::AddStock(QStringLiteral("New company"), QStringLiteral("NEW%1").arg(++n), {12.5, 0, 0, 0}));
    FinishBenchGame();
}
BENCHMARK(BM_AddAsset)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
