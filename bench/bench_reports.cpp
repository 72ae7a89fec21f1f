// The refreshes a market tick runs, the chart's series, and a tick with them all.
#include "BenchSupport.h"
#include "data/kit/Forms.h"
#include "data/kit/Module1.h"
#include "market/Form10.h"
#include "market/Form4.h"
#include "market/Form9.h"
#include "market/StockChart.h"
#include <benchmark/benchmark.h>

namespace {

void BM_RefreshPriceInformation(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(int(state.range(0)));
    Module1::RefreshPriceInformation(); // creates the board
    for (auto _ : state)
        Module1::RefreshPriceInformation();
    FinishBenchGame();
}
BENCHMARK(BM_RefreshPriceInformation)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_RefreshPortfolio(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    StartBenchGame(50 * 4, 50); // 50 holdings
    Module1::RefreshPortfolio();
    for (auto _ : state)
        Module1::RefreshPortfolio();
    FinishBenchGame();
}
BENCHMARK(BM_RefreshPortfolio)->Unit(benchmark::kMillisecond);

void BM_ChartSeries(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    Form10& chart = Forms::Get<Form10>();
    chart.setWindowTitle(QStringLiteral("S0500"));
    for (auto _ : state)
        Module1::RedrawStockChart();
    FinishBenchGame();
}
BENCHMARK(BM_ChartSeries)->Unit(benchmark::kMillisecond);

/// The board's column widths over 1000 rows: our own fitting, which sums cached
/// character advances, against the header view's own sizing to contents.
void BM_BoardColumnWidths(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    Module1::RefreshPriceInformation();
    FlexGrid& grid = *Forms::Get<Form4>().MSFlexGrid1;
    for (auto _ : state) {
        if (state.range(0))
            grid.resizeColumnsToContents();
        else
            grid.FitColumns();
    }
    FinishBenchGame();
}
BENCHMARK(BM_BoardColumnWidths)->ArgName("headerView")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

/// A tick as the game runs it: a game of 50 holdings, the three refreshes included.
void BM_MarketTickWithRefreshes(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(int(state.range(0)));
    StartBenchGame(50 * 4, 50);
    Module1::MarketTick();
    TickThroughTradingDays(state);
    FinishBenchGame();
}
BENCHMARK(BM_MarketTickWithRefreshes)->Arg(1000)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

BENCHMARK_MAIN();
