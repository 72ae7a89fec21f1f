// A trade and a balance refresh, against logs and markets of realistic size.
#include "BenchSupport.h"
#include "app/App.h"
#include "app/Forms.h"
#include "app/Module1.h"
#include "data/Dao.h"
#include "data/Form2.h"
#include "trading/Form1.h"
#include <QButtonGroup>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

/// A game with `rows` trades already in its log, spread over `symbols` stocks.
void startGame(int rows, int symbols)
{
    Module1::StartingBalance = 500000;
    Module1::PlayerName = QStringLiteral("Bench");
    Module1::CreateNewGame();
    dao::Database g = dao::Database::open(App::FilePath(Module1::GameFileName));
    dao::Transaction tx = g.beginTransaction();
    dao::Recordset rs = g.openTable(QStringLiteral("Traderesult"));
    for (int i = 0; i < rows; ++i) {
        rs.addNew();
        rs.setField(QStringLiteral("Symbol"), QStringLiteral("S%1").arg(1 + i % symbols, 4, 10, QLatin1Char('0')));
        rs.setField(QStringLiteral("Price"), 1.0);
        rs.setField(QStringLiteral("Units"), 1);
        rs.setField(QStringLiteral("Result"), -1.0);
        rs.update();
    }
    rs.close();
    tx.commit();
}

void finish()
{
    for (QWidget* w : Forms::Loaded())
        Forms::Unload(w);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    dao::releaseAll();
    App::ReleaseInstanceLock();
    Module1::GameFileName.clear();
}

void BM_ExecuteTradePurchase(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    startGame(int(state.range(0)), 10);
    Form1& desk = Forms::Get<Form1>();
    desk.Text1->setText(QStringLiteral("S0005"));
    desk.ListCurprice->setText(QStringLiteral("12.34"));
    desk.quantity->setText(QStringLiteral("1"));
    desk.optBuybutton->setChecked(true); // a purchase: one row more each time
    for (auto _ : state)
        Module1::ExecuteTrade();
    finish();
}
BENCHMARK(BM_ExecuteTradePurchase)->Arg(10)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_ExecuteTradeBuyThenSell(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    startGame(int(state.range(0)), 10);
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
    finish();
}
BENCHMARK(BM_ExecuteTradeBuyThenSell)->Arg(10)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_RefreshBalance(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(1000);
    startGame(50 * 4, 50); // 50 holdings
    for (auto _ : state)
        Module1::RefreshBalance();
    finish();
}
BENCHMARK(BM_RefreshBalance)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
