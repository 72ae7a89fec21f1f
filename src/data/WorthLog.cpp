#include "WorthLog.h"
#include "GameSchema.h"
#include "MarketSchema.h"
#include "game/GameClock.h"
#include "ui/App.h"
#include "ui/Failure.h"
#include "ui/Numbers.h"
#include <QCoreApplication>

namespace WorthLog {

namespace {
using GameSchema::kWorthTable, GameSchema::kTimeField, GameSchema::kCashField, GameSchema::kStocksField,
    GameSchema::kBalanceField, GameSchema::kMarketField;
/// What the worth remembers of its game: the start's prices, which never
/// change once kept, and why its last record failed.
struct Memory {
    std::optional<Holdings::Prices> start;
    QString lastFailure;
};

/// Every symbol's price in a table of Symbol and Price, the first row of
/// each; only those of the wanted symbols where some are given.
Holdings::Prices readPrices(dao::Database& db, const QString& table, const QString& symbolField,
    const QString& priceField, const Holdings::Prices* wanted = nullptr)
{
    Holdings::Prices prices;
    if (wanted)
        prices.reserve(wanted->size());
    dao::Recordset rs = db.openSnapshot(table, {symbolField, priceField});
    for (int i = 0, n = rs.recordCount(); i < n; ++i, rs.moveNext()) {
        const QString symbol = Numbers::PlainText(rs.field(symbolField));
        if ((!wanted || wanted->contains(symbol)) && !prices.contains(symbol))
            prices.insert(symbol, rs.field(priceField));
    }
    return prices;
}
} // namespace

bool Ensure(dao::Database& game)
{
    using dao::FieldType;
    if (GameSchema::Ensure(game,
            dao::TableDef(kWorthTable,
                {{kTimeField, FieldType::DateTime}, {kCashField, FieldType::Currency},
                    {kStocksField, FieldType::Currency}, {kBalanceField, FieldType::Currency},
                    {kMarketField, FieldType::Currency}})))
        return true;
    if (!game.hasField(kWorthTable, kMarketField))
        game.appendField(kWorthTable, {kMarketField, FieldType::Currency});
    return false;
}

std::optional<dao::Currency> MarketWorth(
    const Holdings::Prices& start, const Holdings::Prices& now, dao::Currency startingBalance)
{
    int counted = 0;
    double units = 0; // the whole market as a number of start-sized shares
    for (auto it = start.begin(); it != start.end(); ++it) {
        if (!it->isNumber() || it->toDouble() <= 0)
            continue; // a price that no share can be bought at
        ++counted;
        const dao::Value p = now.value(it.key());
        units += p.isNumber() ? p.toDouble() / it->toDouble() : 1.0;
    }
    if (!counted)
        return std::nullopt;
    return dao::Currency::fromDouble(startingBalance.toDouble() * units / counted);
}

bool KeepStartPrices(dao::Database& game)
{
    if (game.hasTable(GameSchema::kStartPricesTable))
        return false;
    using dao::FieldType;
    game.appendTable(dao::TableDef(GameSchema::kStartPricesTable,
        {{GameSchema::kSymbolField, FieldType::Text}, {GameSchema::kPriceField, FieldType::Currency}}));
    dao::Database market = dao::Database::open(App::MarketFile());
    const Holdings::Prices prices =
        readPrices(market, MarketSchema::kStocksTable, MarketSchema::kSymbolField, MarketSchema::kPriceField);
    dao::Recordset rs = game.openTable(GameSchema::kStartPricesTable);
    for (auto it = prices.begin(); it != prices.end(); ++it) {
        rs.addNew();
        rs.setField(GameSchema::kSymbolField, it.key());
        rs.setField(GameSchema::kPriceField, it->isNumber() ? *it : dao::Value());
        rs.update();
    }
    return true;
}

Holdings::Prices StartPrices(dao::Database& game)
{
    if (!game.hasTable(GameSchema::kStartPricesTable))
        return {};
    return readPrices(game, GameSchema::kStartPricesTable, GameSchema::kSymbolField, GameSchema::kPriceField);
}

std::optional<dao::Currency> MarketWorthNow(const Holdings::Prices& start, dao::Currency startingBalance)
{
    if (start.isEmpty())
        return std::nullopt;
    // Only the start's stocks are kept from the market's rows: every tick reads them all.
    dao::Database market = dao::Database::open(App::MarketFile());
    return MarketWorth(start,
        readPrices(market, MarketSchema::kStocksTable, MarketSchema::kSymbolField, MarketSchema::kPriceField, &start),
        startingBalance);
}

void Append(dao::Database& game, const QDateTime& time, const Holdings::Worth& w, std::optional<dao::Currency> market)
{
    dao::Recordset rs = game.openTable(kWorthTable);
    rs.addNew();
    rs.setField(kTimeField, time);
    rs.setField(kCashField, w.cash);
    rs.setField(kStocksField, w.stocks ? dao::Value(*w.stocks) : dao::Value());
    rs.setField(kBalanceField, w.balance());
    if (market)
        rs.setField(kMarketField, *market);
    rs.update();
}

void AppendStart(dao::Database& file, const QDateTime& start, dao::Currency startingBalance)
{
    Append(file, start, Holdings::WorthOf(file, startingBalance), MarketWorthNow(StartPrices(file), startingBalance));
}

void RecordNow(const Game& game)
{
    Memory& memory = game.Memory<Memory>();
    try {
        dao::Database file = game.Open();
        const Holdings::Worth w = Holdings::WorthOf(file, game.StartingBalance, &game);
        if (!memory.start)
            memory.start = StartPrices(file);
        const std::optional<dao::Currency> market = MarketWorthNow(*memory.start, game.StartingBalance);
        dao::Transaction tx = file.beginTransaction();
        Ensure(file);
        Append(file, game.Clock().Now(), w, market);
        tx.commit();
        memory.lastFailure.clear();
    } catch (const std::exception& e) {
        memory.lastFailure =
            Ui::Failure(QCoreApplication::translate("WorthLog", "The game's worth could not be recorded"), e);
    }
}

QString LastFailure(const Game& game) { return game.Memory<Memory>().lastFailure; }

std::vector<Row> Read(dao::Database& game, int from)
{
    std::vector<Row> out;
    if (!game.hasTable(kWorthTable))
        return out;
    const bool hasMarket = game.hasField(kWorthTable, kMarketField);
    dao::Recordset rs = game.openSnapshotFrom(kWorthTable, from);
    const int n = rs.recordCount();
    out.reserve(size_t(n));
    for (int i = 0; i < n; ++i, rs.moveNext()) {
        const dao::Value time = rs.field(kTimeField), cash = rs.field(kCashField), stocks = rs.field(kStocksField),
                         balance = rs.field(kBalanceField), market = hasMarket ? rs.field(kMarketField) : dao::Value();
        out.push_back({time.kind() == dao::Value::Kind::DateTime ? time.asDateTime() : QDateTime(),
            cash.isNull() ? dao::Currency() : cash.toCurrency(),
            stocks.isNull() ? std::nullopt : std::optional(stocks.toCurrency()),
            balance.isNull() ? dao::Currency() : balance.toCurrency(),
            market.isNumber() ? std::optional(market.toCurrency()) : std::nullopt});
    }
    return out;
}

int Count(dao::Database& game) { return game.hasTable(kWorthTable) ? game.openTable(kWorthTable).recordCount() : 0; }

std::optional<QDateTime> LastTime(dao::Database& game)
{
    if (!game.hasTable(kWorthTable))
        return std::nullopt;
    dao::Recordset rs = game.openTable(kWorthTable);
    rs.moveLast();
    const dao::Value t = rs.eof() ? dao::Value() : rs.field(kTimeField);
    return t.kind() == dao::Value::Kind::DateTime ? std::optional(t.asDateTime()) : std::nullopt;
}

std::optional<dao::Currency> DayStartBalance(dao::Database& game, const QDate& day)
{
    std::optional<dao::Currency> before, first;
    if (!game.hasTable(kWorthTable))
        return std::nullopt;
    dao::Recordset rs = game.openSnapshot(kWorthTable, {kTimeField, kBalanceField});
    for (int i = 0, n = rs.recordCount(); i < n; ++i, rs.moveNext()) {
        const dao::Value t = rs.field(kTimeField), balance = rs.field(kBalanceField);
        if (t.kind() != dao::Value::Kind::DateTime || !balance.isNumber())
            continue;
        if (t.asDateTime().date() >= day) {
            first = first ? first : balance.toCurrency();
            break; // the rows run in time
        }
        before = balance.toCurrency();
    }
    return before ? before : first;
}

} // namespace WorthLog
