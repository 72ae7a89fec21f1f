// An hour of play as the program runs it, with every window open (Performance,
// Orders and News too, and 100 open orders that no move fills), the market's
// news on: the clock
// ticks 3600 times (one simulated minute each), the market moves every ten,
// and a trade follows every move. Prints the resident memory at the start,
// after the first trading day and at the end.
#include "BenchSupport.h"
#include "app/GameShell.h"
#include "app/frmEditor.h"
#include "game/Calendar.h"
#include "game/Module1.h"
#include "market/Clock.h"
#include "reports/Form13.h"
#include "ui/App.h"
#include "ui/Forms.h"
#include <QCoreApplication>
#include <QFile>
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
    const int stocks = argc > 1 ? std::atoi(argv[1]) : 14;
    BenchMarket market(stocks);
    frmEditor& ed = Forms::Get<frmEditor>();
    ed.show();
    Module1::CreateNewGame(QStringLiteral("Hour"));
    PlaceBenchOrders(100);
    ed.mnuToolsItem(2)->trigger(); // the market's news on
    for (QAction* a : {ed.mnuAssetitem(0), ed.mnuAnalyzeItem(0), ed.mnuAssetitem(1), ed.mnuAnalyzeItem(2),
             ed.mnuAnalyzeItem(3), ed.mnuAssetitem(3), ed.mnuAssetitem(4), ed.mnuAssetitem(2)})
        a->trigger();
    GameShell::ShowWindow<Form13>();
    Module1::ShowStockChart();
    Module1::Trade trade{"S0001", dao::Currency::fromTicks(10000), "1", Module1::Trade::Type::Buy};
    const long before = residentKb();
    long afterDay = -1;
    int ticks = 0;
    for (int second = 1; second <= 3600; ++second) {
        Module1::AdvanceClock();
        const auto t = Session::Current().Clock().TimeOfDay();
        if (t && Calendar::IsOpen(*t) && second % 10 == 0) {
            Module1::MarketTick(Session::Current().CurrentGame());
            trade.type = ticks++ % 2 ? Module1::Trade::Type::Sell : Module1::Trade::Type::Buy;
            Module1::ExecuteTrade(BenchGame(), trade);
            Module1::RedrawStockChart();
        }
        if (second % 10 == 0)
            QCoreApplication::processEvents();
        if (afterDay < 0 && ticks > 0 && t && !Calendar::IsOpen(*t))
            afterDay = residentKb(); // the first trading day is over
    }
    std::printf("session: %d stocks, %d ticks, rss_before_mb=%.1f rss_after_first_day_mb=%.1f rss_after_hour_mb=%.1f "
                "sqlite_mb=%.1f\n",
        stocks, ticks, before / 1024.0, afterDay / 1024.0, residentKb() / 1024.0, sqlite3_memory_used() / 1048576.0);
    FinishBenchGame();
    return 0;
}
