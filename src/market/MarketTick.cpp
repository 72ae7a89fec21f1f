#include "MarketEvents.h"
#include "MarketState.h"
#include "News.h"
#include "PriceFactor.h"
#include "dao/Dao.h"
#include "data/MarketSchema.h"
#include "game/GameClock.h"
#include "game/Module1.h"
#include "ui/App.h"
#include "ui/MsgBox.h"
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

namespace Module1 {

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

} // namespace Module1

namespace Market {

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
        history.moveFirst();
        history.deleteCurrent();
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

bool MovePrices(const Game* game)
{
    QStringList zeros, told;
    State& state = CurrentState();
    const bool withNews = game && game->News();
    int64_t newsFrom = 0;
    try {
        dao::Database db = dao::Database::open(App::MarketFile());
        // All stocks move, or none, with their news: a crash mid-tick leaves
        // the market as before it, and every countdown counted once a move.
        dao::Transaction tx = db.beginTransaction();
        std::optional<News::Table> news;
        if (withNews)
            news.emplace(db, state.newsFile == App::MarketFile() ? state.newsFrom : 0, Draw);
        int n = 0;
        dao::Recordset rs = openStocks(db, n);
        for (int i = 0; i < n; ++i, rs.moveNext())
            moveStock(db, rs, zeros, news ? &news->Now() : nullptr);
        rs.close();
        if (news)
            newsFrom = news->Write(game->Clock().Now(), told);
        tx.commit();
    } catch (const std::exception& e) {
        // Said once, not every ten seconds while the cause lasts.
        const QString text = Ui::Failure(QCoreApplication::translate("Market", "The market could not move"), e);
        if (text != state.lastTickFailure) {
            state.lastTickFailure = text;
            Ui::MsgBox(text, Ui::Buttons::OK, Ui::Icon::Exclamation);
        }
        return false;
    }
    state.lastTickFailure.clear();
    if (withNews)
        state.newsFile = App::MarketFile(), state.newsFrom = newsFrom;
    if (!told.isEmpty())
        emit Events::Get().headlines(told);
    // Shown only after the tick is stored, so no transaction waits on the user.
    for (const QString& symbol : zeros)
        if (!state.zeroPriceTold.contains(symbol)) {
            state.zeroPriceTold.insert(symbol);
            Ui::MsgBox(QCoreApplication::translate(
                "Market", "The price of %1 is 0, so it cannot move: correct it in Tools > Edit assets.")
                           .arg(symbol));
        }
    return true;
}

} // namespace Market

namespace Module1 {

void MarketTick(const Game* game)
{
    // A tick, or the messages it shows, never overlaps another tick.
    Market::State& state = Market::CurrentState();
    // Nor on the day before's figures: the clock prepares the day first.
    if (state.tickRunning || state.newDayPending)
        return;
    state.tickRunning = true;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{state.tickRunning};
    if (Market::MovePrices(game))
        emit Market::Events::Get().moved();
}

} // namespace Module1
