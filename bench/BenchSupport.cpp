#include "BenchSupport.h"
#include "app/GameShell.h"
#include "dao/Dao.h"
#include "data/MarketSchema.h"
#include "data/OrderBook.h"
#include "data/NewGame.h"
#include "game/Session.h"
#include "market/MarketTick.h"
#include "ui/App.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdlib>

BenchMarket::BenchMarket(int n, int dayRows)
{
    App::SetFolder(dir_.path());
    dao::Database db = dao::Database::create(market());
    dao::Transaction tx = db.beginTransaction();
    MarketSchema::CreateStocksTable(db);
    dao::Recordset rs = db.openTable(MarketSchema::kStocksTable);
    for (int i = 1; i <= n; ++i) {
        const QString s = QStringLiteral("S%1").arg(i, 4, 10, QLatin1Char('0'));
        const double p = 100 + i % 900;
        // Prices spread around p as a real history's are (as the yardstick builds them), so
        // that dropping the oldest seldom takes the lowest or the highest away.
        std::vector<dao::Currency> h;
        for (int k = 0; k < 201; ++k)
            h.push_back(dao::Currency::fromTicks(qint64(p * 10000) - 5000 + (i * 7919 + k * 104729) % 10001));
        MarketSchema::CreateStockObjects(db, s, h);
        dao::Recordset day = db.openTable(s + QStringLiteral("DAY"));
        for (int k = 0; k < dayRows; ++k) {
            day.addNew();
            day.setField(QStringLiteral("Price"), p);
            day.update();
        }
        rs.addNew();
        rs.setField(QStringLiteral("stocksymbol"), s);
        rs.setField(QStringLiteral("stockname"), QStringLiteral("Stock ") + s);
        rs.setField(QStringLiteral("Stockcurrent Price"), p);
        rs.setField(QStringLiteral("Min"), p);
        rs.setField(QStringLiteral("Max"), p);
        rs.setField(QStringLiteral("Volume"), 1000.0 * i);
        rs.update();
    }
    rs.close();
    tx.commit();
    db.close();
    dao::releaseAll();
}

void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        new QApplication(argc, argv);
        Ui::SetMsgBoxHandler([](const Ui::MsgBoxRequest&) { return Ui::Answer::OK; });
        GameShell::Wire(); // a tick refreshes the reports, a trade the portfolio
    }
}

const Game& BenchGame() { return *Session::Current().CurrentGame(); }

void StartBenchGame(int rows, int symbols)
{
    NewGame::Create(QStringLiteral("Bench"), {});
    dao::Database g = BenchGame().Open();
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

void PlaceBenchOrders(int n)
{
    dao::Database g = BenchGame().Open();
    dao::Transaction tx = g.beginTransaction();
    for (int i = 1; i <= n; ++i)
        OrderBook::Place(g,
            {0, QStringLiteral("S%1").arg(i, 4, 10, QLatin1Char('0')), OrderBook::Type::Buy,
                OrderBook::Condition::AtOrBelow, dao::Currency::fromTicks(1), 1, QDateTime::currentDateTime()});
    tx.commit();
}

void FinishBenchGame()
{
    for (QWidget* w : Forms::Loaded())
        Forms::Unload(w);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    dao::releaseAll();
    App::ReleaseInstanceLock();
    Session::Current().Close();
}

void GameTick()
{
    GameShell::MoveMarket();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); // what the move tells
}

void TickThroughTradingDays(benchmark::State& state, void (*tick)())
{
    int ticks = 0;
    std::vector<double> ms;
    for (auto _ : state) {
        if (++ticks % 42 == 0) {
            state.PauseTiming();
            Market::StartNewTradingDay();
            state.ResumeTiming();
        }
        const auto start = std::chrono::steady_clock::now();
        tick();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    // The median tick as well as the mean: the yardstick reports its median, and
    // a tick that waited on the disk now and then moves a mean but not a median.
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms.empty() ? 0 : ms[ms.size() / 2];
}
