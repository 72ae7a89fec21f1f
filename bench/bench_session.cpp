// An hour of play as the program runs it, with every window open (Performance,
// Orders and News too), or with none ("closed"), 100 open orders that no move
// fills and the market's news on: the clock ticks 3600 times (one simulated
// minute each), the market moves every ten, and a trade follows every move.
// Prints the resident memory at the start, after the first trading day and at
// the end, and what SQLite holds of it: its pages, its schema, its statements.
#include "BenchSupport.h"
#include "app/GameShell.h"
#include "app/MainWindow.h"
#include "dao/Dao.h"
#include "data/NewGame.h"
#include "game/Calendar.h"
#include "market/Clock.h"
#include "market/StockChart.h"
#include "reports/PortfolioWindow.h"
#include "trading/ExecuteTrade.h"
#include "trading/TradingEvents.h"
#include "ui/App.h"
#include "ui/Forms.h"
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlite3.h>

namespace {
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}
} // namespace

int main(int argc, char** argv)
{
    EnsureApplication();
    if (argc == 4 && QByteArray(argv[1]) == "--make") { // the market, built by a process of its own
        const BenchMarket market(std::atoi(argv[3]));
        return QFile::copy(market.market(), QString::fromLocal8Bit(argv[2]) + QStringLiteral("/stocks.tqs")) ? 0 : 1;
    }
    const int stocks = argc > 1 ? std::atoi(argv[1]) : 14;
    const bool windows = !(argc > 2 && QByteArray(argv[2]) == "closed");
    // A player's program opens a market, it does not build one: what building
    // 1000 stocks leaves in this process's heap is no part of the hour.
    QTemporaryDir folder;
    if (QProcess::execute(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--make"), folder.path(), QString::number(stocks)}) != 0)
        return 1;
    App::SetFolder(folder.path());
    MainWindow& ed = Forms::Get<MainWindow>();
    ed.show();
    NewGame::Create(QStringLiteral("Hour"), {});
    PlaceBenchOrders(100);
    ed.marketNewsAction->trigger(); // the market's news on
    StockChart* chart = nullptr;
    if (windows) {
        for (QAction* a : {ed.tradeAction, ed.balanceAction, ed.pricesAction, ed.transactionsAction,
                 ed.performanceAction, ed.ordersAction, ed.newsAction, ed.chartAction})
            a->trigger();
        GameShell::ShowWindow<PortfolioWindow>();
        chart = &Forms::Get<StockChart>();
        chart->Show(QStringLiteral("S0001"));
        chart->show();
    }
    Trading::Trade trade{"S0001", dao::Currency::fromTicks(10000), "1", TradeType::Buy};
    const long before = residentKb();
    long afterDay = -1;
    int ticks = 0;
    for (int second = 1; second <= 3600; ++second) {
        GameShell::AdvanceClock();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        const auto t = Session::Current().Clock().TimeOfDay();
        if (t && Calendar::IsOpen(*t) && second % 10 == 0) {
            GameTick();
            trade.type = ticks++ % 2 ? TradeType::Sell : TradeType::Buy;
            Trading::ExecuteTrade(BenchGame(), trade);
            emit Trading::Events::Get().traded(true); // as the desk tells the windows
            if (chart)
                chart->Redraw();
        }
        if (second % 10 == 0)
            QCoreApplication::processEvents();
        if (afterDay < 0 && ticks > 0 && t && !Calendar::IsOpen(*t))
            afterDay = residentKb(); // the first trading day is over
    }
    const dao::MemoryUse engine = dao::memoryInUse();
    constexpr double mb = 1048576.0;
    std::printf("session: %d stocks, windows %s, %d ticks, rss_before_mb=%.1f rss_after_first_day_mb=%.1f "
                "rss_after_hour_mb=%.1f sqlite_mb=%.1f (pages %.1f, schema %.1f, statements %.1f)\n",
        stocks, windows ? "open" : "closed", ticks, before / 1024.0, afterDay / 1024.0, residentKb() / 1024.0,
        double(sqlite3_memory_used()) / mb, double(engine.pages) / mb, double(engine.schema) / mb,
        double(engine.statements) / mb);
    FinishBenchGame();
    return 0;
}
