// A trade and a balance refresh, against logs and markets of realistic size.
#include "BenchSupport.h"
#include "data/kit/Module1.h"
#include "trading/Form1.h"
#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

void BM_ExecuteTradePurchase(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    StartBenchGame(int(state.range(0)), 10);
    Form1& desk = Forms::Get<Form1>();
    desk.Text1->setText(QStringLiteral("S0005"));
    desk.ListCurprice->setText(QStringLiteral("12.34"));
    desk.quantity->setText(QStringLiteral("1"));
    desk.optBuybutton->setChecked(true); // a purchase: one row more each time
    for (auto _ : state)
        Module1::ExecuteTrade();
    FinishBenchGame();
}
BENCHMARK(BM_ExecuteTradePurchase)->Arg(10)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_ExecuteTradeBuyThenSell(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    StartBenchGame(int(state.range(0)), 10);
    Form1& desk = Forms::Get<Form1>();
    desk.Text1->setText(QStringLiteral("S0010")); // last in the query's order
    desk.ListCurprice->setText(QStringLiteral("1"));
    desk.quantity->setText(QStringLiteral("1"));
    for (auto _ : state) {
        desk.optBuybutton->setChecked(true);
        Module1::ExecuteTrade();
        desk.optSellButton->setChecked(true);
        Module1::ExecuteTrade();
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
    for (auto _ : state)
        Module1::RefreshBalance();
    FinishBenchGame();
}
BENCHMARK(BM_RefreshBalance)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
