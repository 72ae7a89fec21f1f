// The market tick and the new trading day over 10, 100 and 1000 stocks. The
// tick here is its own work, the prices stored, as the yardstick in
// ../shared/bench-baseline does it; with the reports it refreshes, it is
// BM_MarketTickWithRefreshes in bench_reports.
#include "BenchSupport.h"
#include "dao/Dao.h"
#include "data/MarketSchema.h"
#include "game/Session.h"
#include "market/MarketTick.h"
#include "market/News.h"
#include "market/PriceFactor.h"
#include "ui/App.h"
#include <benchmark/benchmark.h>

static void MovePrices()
{
    static Market::Memory memory; // what a game would keep
    Market::MovePrices(nullptr, memory);
}
static void MovePricesWithNews() { Market::Tick(Session::Current().CurrentGame()); }

static void BM_MarketTick(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(int(state.range(0)));
    MovePrices(); // the first run prepares its statements
    TickThroughTradingDays(state, MovePrices); // a trading day holds 42 ticks
    dao::releaseAll();
}
BENCHMARK(BM_MarketTick)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->MinTime(2);

// The same with the market's news on: the draws tilted, the headlines counted
// down and written with the move, over a news table that grows as it would.
static void BM_MarketTickWithNews(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(int(state.range(0)));
    Session::Current().Open(
        {QStringLiteral("Bench"), QStringLiteral("Bench.sav"), {}, dao::Currency::fromDouble(500000), true, {}});
    for (int i = 0; i < 42; ++i) // a day of news already running
        MovePricesWithNews();
    TickThroughTradingDays(state, MovePricesWithNews);
    Session::Current().Close();
    dao::releaseAll();
}
BENCHMARK(BM_MarketTickWithNews)->Arg(1000)->Unit(benchmark::kMillisecond)->MinTime(2);

// The news alone, as a move over 1000 stocks adds it: its running rows read,
// each stock's turn taken, the counts and the new headlines written, in a
// transaction of its own, whose commit (the tick's in play) is left out. A
// difference of two whole ticks drowns in their noise.
static void BM_NewsOfAMove(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    Session::Current().Open(
        {QStringLiteral("Bench"), QStringLiteral("Bench.sav"), {}, dao::Currency::fromDouble(500000), true, {}});
    for (int i = 0; i < 42; ++i)
        MovePricesWithNews();
    std::vector<std::pair<QString, QString>> stocks;
    {
        dao::Database db = dao::Database::open(App::MarketFile());
        dao::Recordset rs = db.openSnapshot(MarketSchema::kStocksTable);
        for (int i = 0, n = rs.recordCount(); i < n; ++i, rs.moveNext())
            stocks.emplace_back(
                rs.field(MarketSchema::kSymbolField).asText(), rs.field(MarketSchema::kNameField).asText());
    }
    int64_t newsFrom = Session::Current().CurrentGame()->Memory<Market::Memory>().newsFrom;
    const QDateTime now = Session::Current().Clock().Now();
    for (auto _ : state) {
        dao::Database db = dao::Database::open(App::MarketFile());
        dao::Transaction tx = db.beginTransaction();
        Market::News::Table news(db, newsFrom, Market::Draw);
        for (const auto& [symbol, name] : stocks)
            benchmark::DoNotOptimize(news.Now().Stock(symbol, name));
        QStringList told;
        newsFrom = news.Write(now, told);
        state.PauseTiming(); // the tick's own commit stores it
        tx.commit();
        state.ResumeTiming();
    }
    Session::Current().Close();
    dao::releaseAll();
}
BENCHMARK(BM_NewsOfAMove)->Unit(benchmark::kMillisecond)->MinTime(2);

static void BM_MarketTickColdConnection(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(int(state.range(0)));
    int ticks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (++ticks % 42 == 0)
            Market::StartNewTradingDay();
        dao::releaseAll();
        state.ResumeTiming();
        MovePrices();
    }
}
BENCHMARK(BM_MarketTickColdConnection)->Arg(1000)->Unit(benchmark::kMillisecond)->MinTime(2);

static void BM_StartNewTradingDay(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(int(state.range(0)), 42);
    for (auto _ : state) {
        state.PauseTiming();
        GameTick(); // a day's row to clear, and a volume to reset
        state.ResumeTiming();
        Market::StartNewTradingDay();
    }
    dao::releaseAll();
}
BENCHMARK(BM_StartNewTradingDay)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->MinTime(2);

BENCHMARK_MAIN();
