// A trade and a balance refresh, against logs and markets of realistic size.
#include "BenchSupport.h"
#include "data/GameSchema.h"
#include "trading/BalanceWindow.h"
#include "trading/ExecuteTrade.h"
#include "ui/Forms.h"
#include "trading/MarketTrades.h"
#include "ui/App.h"
#include <benchmark/benchmark.h>

namespace {

void BM_ExecuteTradePurchase(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    StartBenchGame(int(state.range(0)), 10);
    // A purchase: one row more each time.
    const Trading::Trade buy{"S0005", dao::Currency::fromTicks(123400), "1", TradeType::Buy};
    for (auto _ : state)
        Trading::ExecuteTrade(BenchGame(), buy);
    FinishBenchGame();
}
BENCHMARK(BM_ExecuteTradePurchase)->Arg(10)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_ExecuteTradeBuyThenSell(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    StartBenchGame(int(state.range(0)), 10);
    // The last symbol in the query's order.
    Trading::Trade t{"S0010", dao::Currency::fromTicks(10000), "1", TradeType::Buy};
    for (auto _ : state) {
        t.type = TradeType::Buy;
        Trading::ExecuteTrade(BenchGame(), t);
        t.type = TradeType::Sell;
        Trading::ExecuteTrade(BenchGame(), t);
    }
    state.SetItemsProcessed(state.iterations() * 2);
    FinishBenchGame();
}
BENCHMARK(BM_ExecuteTradeBuyThenSell)->Arg(10)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_RefreshBalance(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    StartBenchGame(50 * 4, 50); // 50 holdings
    BalanceWindow& balance = Forms::Get<BalanceWindow>();
    for (auto _ : state)
        balance.Refresh(BenchGame());
    FinishBenchGame();
}
BENCHMARK(BM_RefreshBalance)->Unit(benchmark::kMillisecond);

/// The margin check a move runs when no call is due, reading the holdings and
/// their prices itself (in a tick it shares the reading of the worth and the
/// Balance): 50 holdings over 1000 stocks, half of them short.
void BM_MarginCheck(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    StartBenchGame(50 * 4, 50);
    {
        dao::Database g = BenchGame().Open();
        for (int i = 1; i <= 50; i += 2)
            GameSchema::AppendTrade(g, QStringLiteral("S%1").arg(i, 4, 10, QLatin1Char('0')),
                dao::Currency::fromTicks(10000), -5, dao::Currency::fromTicks(50000));
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(Trading::CallMargin(BenchGame()));
    FinishBenchGame();
}
BENCHMARK(BM_MarginCheck)->Unit(benchmark::kMillisecond);

/// What 100 open orders add to a move over 1000 stocks when none fills: they
/// are read, and their stocks' prices looked at.
void BM_FillOrders(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    StartBenchGame(50 * 4, 50);
    PlaceBenchOrders(100);
    for (auto _ : state)
        benchmark::DoNotOptimize(Trading::FillOrders(BenchGame()));
    FinishBenchGame();
}
BENCHMARK(BM_FillOrders)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
