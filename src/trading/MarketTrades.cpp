#include "MarketTrades.h"
#include "TradeRules.h"
#include "data/OrderBook.h"
#include "game/GameClock.h"
#include "game/Game.h"
#include "ui/Failure.h"
#include "ui/Numbers.h"
#include <QCoreApplication>

namespace Trading {

namespace {
/// The failure's text where it is to be told now: once while it lasts.
QString onceOf(FailureMemory& memory, const QString& what, const std::exception& e)
{
    const QString text = Ui::Failure(what, e);
    return memory.Failed(text) ? text : QString();
}

/// Carries an order out at a price by the rules of its type, or leaves it
/// open where they refuse it; the book follows a fill.
TradeRules::Verdict fill(
    dao::Database& game, OrderBook::Order& o, dao::Currency price, const QDateTime& now, TradeRules::Book& book)
{
    TradeRules::Verdict v = TradeRules::Weigh(o.type, o.symbol, price, o.units, book);
    if (!v.row)
        return v;
    o.state = OrderBook::State::Filled;
    o.done = now;
    o.fillPrice = price;
    o.note.clear();
    dao::Transaction tx = game.beginTransaction(); // the trade and its order filled, or neither
    TradeRules::Record(game, *v.row);
    OrderBook::Update(game, o);
    tx.commit();
    book = TradeRules::After(std::move(book), *v.row);
    return v;
}

/// The market's prices of the open orders' stocks.
Holdings::Prices pricesOf(const std::vector<OrderBook::Order>& orders)
{
    std::vector<Holdings::Holding> wanted;
    for (const OrderBook::Order& o : orders)
        if (o.isOpen())
            wanted.push_back({o.symbol, {}});
    return wanted.empty() ? Holdings::Prices() : Holdings::CurrentPrices(wanted);
}

} // namespace

Fills FillOrders(const Game& g)
{
    FailureMemory& failures = g.Memory<Memory>().fills;
    Fills done;
    bool& writing = done.changed;
    try {
        dao::Database game = g.Open();
        std::vector<OrderBook::Order> orders = OrderBook::Read(game);
        const Holdings::Prices prices = pricesOf(orders);
        std::optional<TradeRules::Book> book; // read once an order is to be carried out
        std::vector<const OrderBook::Order*> noted;
        for (OrderBook::Order& o : orders) {
            if (!o.isOpen())
                continue;
            QString note = TradeRules::Words{QT_TRANSLATE_NOOP("Trading", "The stock is no longer listed.")}.Stored();
            if (const std::optional<dao::Currency> price = Holdings::ListedPrice(prices, o.symbol)) {
                if (!o.MetBy(*price))
                    continue;
                if (!book)
                    book = TradeRules::Read(game, g.StartingBalance, true);
                writing = true;
                const TradeRules::Verdict v = fill(game, o, *price, g.Clock().Now(), *book);
                if (v.row) {
                    done.told << TradeRules::Done(o.type, *v.row);
                    continue;
                }
                note = v.why.Stored(); // the same in every language
            }
            if (note != o.note) {
                o.note = note;
                noted.push_back(&o);
            }
        }
        if (!noted.empty()) { // why each waits, written only when it changed
            writing = true;
            dao::Transaction tx = game.beginTransaction();
            for (const OrderBook::Order* o : noted)
                OrderBook::Update(game, *o);
            tx.commit();
        }
        if (writing)
            failures.Succeeded();
    } catch (const std::exception& e) {
        if (writing) // what was filled stays filled; the rest is tried at the next move
            done.failure = onceOf(failures,
                QCoreApplication::translate("Trading", "The orders could not be carried out in the game file"), e);
    }
    return done;
}

Call CallMargin(const Game& g)
{
    FailureMemory& failures = g.Memory<Memory>().margin;
    TradeRules::Margin m;
    std::vector<TradeRules::Row> rows;
    try {
        dao::Database game = g.Open();
        const TradeRules::Book book = TradeRules::Read(game, g.StartingBalance, true);
        m = TradeRules::MarginOf(book);
        if (m.Calls())
            rows = TradeRules::CoverAll(book);
        if (rows.empty()) {
            failures.Succeeded(); // no call is due: one due later is a new one
            return {};
        }
        dao::Transaction tx = game.beginTransaction(); // every short covered, or none
        for (const TradeRules::Row& row : rows)
            TradeRules::Record(game, row);
        tx.commit();
        failures.Succeeded();
    } catch (const std::exception& e) {
        // The move stays; a call that is due is tried again at the next one. A
        // file that cannot be read is said by the windows that show it.
        if (!rows.empty())
            return {{}, onceOf(failures,
                            QCoreApplication::translate("Trading", "The margin call could not be recorded in the game file"),
                            e)};
        return {};
    }
    return {QCoreApplication::translate("Trading",
        "Margin call: your balance %1 fell below 30 % of your short positions %2, so "
        "they were covered at the market's prices.")
                .arg(Numbers::PlainText(m.balance), Numbers::PlainText(m.shorts)),
        {}};
}

} // namespace Trading
