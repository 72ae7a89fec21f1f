// The refreshes a market tick runs, the charts, the worth, and a tick with them all.
#include "BenchSupport.h"
#include "app/GameShell.h"
#include "dao/Dao.h"
#include "data/WorthLog.h"
#include "market/PriceBoard.h"
#include "market/StockChart.h"
#include "market/StockChartView.h"
#include "market/StockPerformanceDialog.h"
#include "reports/PerformanceWindow.h"
#include "reports/PortfolioWindow.h"
#include "reports/WorthChart.h"
#include "trading/BalanceWindow.h"
#include "trading/OrdersWindow.h"
#include "ui/App.h"
#include "ui/Forms.h"
#include <QPixmap>
#include <benchmark/benchmark.h>

namespace {

void BM_RefreshPriceInformation(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(int(state.range(0)));
    PriceBoard& board = Forms::Get<PriceBoard>();
    for (auto _ : state)
        board.Refresh();
    FinishBenchGame();
}
BENCHMARK(BM_RefreshPriceInformation)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_RefreshPortfolio(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    StartBenchGame(50 * 4, 50); // 50 holdings
    PortfolioWindow& portfolio = Forms::Get<PortfolioWindow>();
    for (auto _ : state)
        portfolio.Refresh(BenchGame());
    FinishBenchGame();
}
BENCHMARK(BM_RefreshPortfolio)->Unit(benchmark::kMillisecond);

void BM_ChartSeries(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    StockChart& chart = Forms::Get<StockChart>();
    chart.setWindowTitle(QStringLiteral("S0500"));
    for (auto _ : state)
        chart.Redraw();
    FinishBenchGame();
}
BENCHMARK(BM_ChartSeries)->Unit(benchmark::kMillisecond);

/// The board's column widths over 1000 rows: our own fitting, which sums cached
/// character advances, against the header view's own sizing to contents.
void BM_BoardColumnWidths(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    ReportGrid& grid = *Forms::Get<PriceBoard>().grid;
    for (auto _ : state) {
        if (state.range(0))
            grid.resizeColumnsToContents();
        else
            grid.FitColumns();
    }
    FinishBenchGame();
}
BENCHMARK(BM_BoardColumnWidths)->ArgName("headerView")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

/// A game of 50 holdings whose worth has `rows` rows.
void startGameWithWorth(int rows)
{
    StartBenchGame(50 * 4, 50);
    dao::Database g = BenchGame().Open();
    dao::Transaction tx = g.beginTransaction();
    const Holdings::Worth w = Holdings::WorthOf(g, BenchGame().StartingBalance);
    for (int i = 1; i < rows; ++i)
        WorthLog::Append(g, Calendar::DayStart(Session::Current().Clock().BaseDate()).addSecs(60 * i), w);
    tx.commit();
}

/// The worth's own cost in a tick: a row worked out and stored in its own transaction.
void BM_RecordWorth(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    StartBenchGame(50 * 4, 50);
    for (auto _ : state)
        WorthLog::RecordNow(BenchGame());
    FinishBenchGame();
}
BENCHMARK(BM_RecordWorth)->Unit(benchmark::kMillisecond);

/// The Performance window after a tick: 5000 worth rows and one more, 50 stocks.
void BM_RefreshPerformance(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    startGameWithWorth(5000);
    Forms::Get<PerformanceWindow>().show();
    for (auto _ : state) {
        state.PauseTiming();
        WorthLog::RecordNow(BenchGame());
        state.ResumeTiming();
        Forms::Get<PerformanceWindow>().Refresh(BenchGame());
    }
    FinishBenchGame();
}
BENCHMARK(BM_RefreshPerformance)->Unit(benchmark::kMillisecond);

/// The worth chart of 5000 points drawn whole, as the window opens on them.
void BM_DrawWorthChart(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    startGameWithWorth(5000);
    dao::Database g = BenchGame().Open();
    const std::vector<WorthLog::Row> rows = WorthLog::Read(g);
    WorthChart chart;
    chart.resize(900, 500);
    for (auto _ : state) {
        chart.SetRows(rows, dao::Currency::fromDouble(500000));
        const QPixmap drawn = chart.grab();
        benchmark::DoNotOptimize(drawn);
    }
    FinishBenchGame();
}
BENCHMARK(BM_DrawWorthChart)->Unit(benchmark::kMillisecond);

/// A tick as the game runs it: a game of 50 holdings, the three refreshes included.
void BM_MarketTickWithRefreshes(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(int(state.range(0)));
    StartBenchGame(50 * 4, 50);
    for (QWidget* w : {static_cast<QWidget*>(&Forms::Get<PortfolioWindow>()),
             static_cast<QWidget*>(&Forms::Get<PriceBoard>()), static_cast<QWidget*>(&Forms::Get<BalanceWindow>())})
        w->show(); // the three windows a move refreshes, open
    GameTick();
    TickThroughTradingDays(state);
    FinishBenchGame();
}
BENCHMARK(BM_MarketTickWithRefreshes)->Arg(1000)->Unit(benchmark::kMillisecond)->MinTime(2);

/// The same with 100 open orders that no move fills, the Orders window open.
void BM_MarketTickWithOrders(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(int(state.range(0)));
    StartBenchGame(50 * 4, 50);
    PlaceBenchOrders(100);
    Forms::Get<OrdersWindow>().show();
    GameTick();
    TickThroughTradingDays(state);
    FinishBenchGame();
}
BENCHMARK(BM_MarketTickWithOrders)->Arg(1000)->Unit(benchmark::kMillisecond)->MinTime(2);

/// A whole move as the game makes it while no window is open: the prices and
/// the market's news, the worth row, 100 open orders that no move fills, the
/// margin check, and what the shell tells.
void BM_GameMove(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(int(state.range(0)));
    StartBenchGame(50 * 4, 50);
    PlaceBenchOrders(100);
    GameShell::SetNews(true);
    for (int i = 0; i < 42; ++i) // a day of news already running
        GameTick();
    TickThroughTradingDays(state);
    FinishBenchGame();
}
BENCHMARK(BM_GameMove)->Arg(1000)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

BENCHMARK_MAIN();
