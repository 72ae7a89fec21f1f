#include "MarketTick.h"
#include "News.h"
#include "PriceFactor.h"
#include "data/MarketSchema.h"
#include "game/Calendar.h"
#include "game/Game.h"
#include "game/GameClock.h"
#include "game/Session.h"
#include "ui/App.h"
#include "ui/Failure.h"
#include "ui/Numbers.h"
#include <QCoreApplication>
#include <vector>

namespace {
QString textOf(const dao::Value& v) { return v.isNull() ? QString() : Numbers::PlainText(v); }

/// "Stocks Information" on its first row, with its row count n.
dao::Recordset openStocks(dao::Database& db, int& n)
{
    dao::Recordset rs = db.openTable(MarketSchema::kStocksTable);
    rs.moveLast();
    n = rs.recordCount();
    rs.moveFirst();
    return rs;
}
} // namespace

namespace Market {

void StartNewTradingDay()
{
    dao::Database db = dao::Database::open(App::MarketFile());
    // One unit over all stocks: the evening reset never stops half-way.
    dao::Transaction tx = db.beginTransaction();
    int n = 0;
    dao::Recordset rs = openStocks(db, n);
    for (int i = 0; i < n; ++i) {
        const QString symbol = textOf(rs.field(MarketSchema::kSymbolField));
        // Later evening runs find the volume at 0 already; they need not write it again.
        const dao::Value volume = rs.field(MarketSchema::kVolumeField);
        if (volume.isNull() || volume.toDouble() != 0) {
            rs.edit();
            rs.setField(MarketSchema::kVolumeField, 0);
            rs.update();
        }
        db.deleteAll(symbol + QStringLiteral("DAY"));
        rs.moveNext();
    }
    rs.close();
    tx.commit();
}

namespace {

/// Moves the stock the recordset stands on: its price and volume by a draw,
/// the new price added to its history (the oldest of 200 dropped) and to the
/// day's prices, and the day's range from those.
void moveStock(dao::Database& db, dao::Recordset& rs, QStringList& zeros, News::Move* news)
{
    using namespace MarketSchema;
    const QString symbol = textOf(rs.field(kSymbolField));
    // News leans the draw to one half of the table, and its headline jumps the price once.
    const News::Tilt tilt = news ? news->Stock(symbol, textOf(rs.field(kNameField))) : News::Tilt{};
    const int r = News::TiltedDraw(tilt, Draw); // without news, one draw from the whole table
    const double newPrice = rs.field(kPriceField).toDouble() * PriceFactor(r) / 100 * tilt.jump;
    if (newPrice == 0) // a price of 0 (an older or hand-edited market) stays 0
        zeros << symbol;
    rs.edit();
    rs.setField(kPriceField, newPrice);
    rs.setField(kVolumeField, rs.field(kVolumeField).toDouble() + double(r) * VolumeStep(r));
    rs.update();

    dao::Recordset history = db.openTable(symbol);
    if (history.recordCount() > 199) {
        history.deleteFirst();
    }
    history.addNew();
    history.setField(kHistoryPriceField, newPrice);
    history.update();
    history.close();

    dao::Recordset day = db.openTable(symbol + QStringLiteral("DAY"));
    day.addNew();
    day.setField(kHistoryPriceField, newPrice);
    day.update();
    const auto [low, high] = DayRange(db, symbol, day);
    day.close();
    rs.edit();
    rs.setField(kMinField, low);
    rs.setField(kMaxField, high);
    rs.update();
}

} // namespace

Moved MovePrices(const Game* game, Memory& memory)
{
    Moved out;
    const bool withNews = game && game->News();
    int64_t newsFrom = 0;
    try {
        dao::Database db = dao::Database::open(App::MarketFile());
        db.keepJournal(); // a move's journal is as large as the market: made once, not every move
        // All stocks move, or none, with their news: a crash mid-tick leaves
        // the market as before it, and every countdown counted once a move.
        dao::Transaction tx = db.beginTransaction();
        std::optional<News::Table> news;
        const std::optional<dao::FileIdentity> market = dao::IdentityOf(App::MarketFile());
        if (withNews)
            news.emplace(db, memory.newsMarket == market ? memory.newsFrom : 0, Draw);
        int n = 0;
        dao::Recordset rs = openStocks(db, n);
        for (int i = 0; i < n; ++i, rs.moveNext())
            moveStock(db, rs, out.zeroPrices, news ? &news->Now() : nullptr);
        rs.close();
        if (news)
            newsFrom = news->Write(game->Clock().Now(), out.headlines);
        tx.commit();
        if (withNews)
            memory.newsMarket = market, memory.newsFrom = newsFrom;
    } catch (const std::exception& e) {
        // Said once, not every ten seconds while the cause lasts.
        const QString text = Ui::Failure(QCoreApplication::translate("Market", "The market could not move"), e);
        if (text != memory.lastFailure)
            out.failure = memory.lastFailure = text;
        out.zeroPrices.clear();
        return out;
    }
    memory.lastFailure.clear();
    out.moved = true;
    QStringList untold; // each stock at 0 told once
    for (const QString& symbol : std::as_const(out.zeroPrices))
        if (!memory.zeroPriceTold.contains(symbol)) {
            memory.zeroPriceTold.insert(symbol);
            untold << symbol;
        }
    out.zeroPrices = untold;
    return out;
}

Moved Tick(const Game* game)
{
    Memory local;
    Memory& memory = game ? game->Memory<Memory>() : local;
    // Not on the day before's figures: the clock prepares the day first.
    if (memory.newDayPending)
        return {};
    return MovePrices(game, memory);
}

QString AdvanceClock(const Game* game)
{
    const QDateTime next = Session::Current().Clock().Step(); // the market counts down within the hours only
    Memory local;
    Memory& memory = game ? game->Memory<Memory>() : local;
    // A day the evening could not prepare is prepared before the market moves on it.
    if (Calendar::IsOpen(next.time()) && !memory.newDayPending)
        return {};
    try {
        StartNewTradingDay();
        memory.newDayPending = false;
        return {};
    } catch (const std::exception& e) {
        if (memory.newDayPending)
            return {}; // told already; tried again at every minute
        memory.newDayPending = true;
        return Ui::Failure(QCoreApplication::translate("Market", "The new trading day could not be prepared"), e);
    }
}

} // namespace Market
