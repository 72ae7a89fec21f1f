#include "MarketTrades.h"
#include "TradeRules.h"
#include "data/OrderBook.h"
#include "data/WorthLog.h"
#include "data/kit/App.h"
#include "data/kit/MsgBox.h"
#include "data/kit/Numbers.h"
#include "data/kit/Session.h"
#include <utility>

namespace Trading {

namespace {
/// A failure told once, not at every move while its cause lasts.
void tellOnce(const QString& what, const std::exception& e)
{
    static QString told;
    const QString text = Ui::Failure(what, e);
    if (text != std::exchange(told, text))
        Ui::MsgBox(text, Ui::Buttons::OK, Ui::Icon::Critical);
}

/// Carries an order out at a price by the rules of its type, or leaves it
/// open where they refuse it; the book follows a fill.
TradeRules::Verdict fill(dao::Database& game, OrderBook::Order& o, dao::Currency price, TradeRules::Book& book)
{
    TradeRules::Verdict v = TradeRules::Weigh(o.type, o.symbol, price, o.units, book);
    if (!v.row)
        return v;
    o.state = OrderBook::kFilled;
    o.done = WorthLog::Now();
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
QHash<QString, dao::Value> pricesOf(const std::vector<OrderBook::Order>& orders)
{
    std::vector<Holdings::Holding> wanted;
    for (const OrderBook::Order& o : orders)
        if (o.isOpen())
            wanted.push_back({o.symbol, {}});
    return wanted.empty() ? QHash<QString, dao::Value>() : Holdings::CurrentPrices(wanted);
}

} // namespace

Fills FillOrders()
{
    Fills done;
    if (!Session::Current().IsOpen())
        return done;
    bool& writing = done.changed;
    try {
        dao::Database game = dao::Database::open(App::GameFile());
        std::vector<OrderBook::Order> orders = OrderBook::Read(game);
        const QHash<QString, dao::Value> prices = pricesOf(orders);
        std::optional<TradeRules::Book> book; // read once an order is to be carried out
        std::vector<const OrderBook::Order*> noted;
        for (OrderBook::Order& o : orders) {
            if (!o.isOpen())
                continue;
            const auto it = prices.constFind(o.symbol);
            QString note = QStringLiteral("The stock is no longer listed.");
            if (it != prices.constEnd() && !it->isNull()) {
                const dao::Currency price = it->toCurrency();
                if (!o.MetBy(price))
                    continue;
                if (!book)
                    book = TradeRules::Read(game, true);
                writing = true;
                const TradeRules::Verdict v = fill(game, o, price, *book);
                if (v.row) {
                    done.told << TradeRules::Done(o.type, *v.row);
                    continue;
                }
                note = v.said;
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
    } catch (const std::exception& e) {
        if (writing) // what was filled stays filled; the rest is tried at the next move
            tellOnce(QStringLiteral("The orders could not be carried out in the game file"), e);
    }
    if (!done.told.isEmpty())
        Holdings::SharedReading::Changed();
    return done;
}

bool CallMargin()
{
    if (!Session::Current().IsOpen())
        return false;
    TradeRules::Margin m;
    std::vector<TradeRules::Row> rows;
    try {
        dao::Database game = dao::Database::open(App::GameFile());
        const TradeRules::Book book = TradeRules::Read(game, true);
        m = TradeRules::MarginOf(book);
        if (m.Calls())
            rows = TradeRules::CoverAll(book);
        if (rows.empty())
            return false;
        dao::Transaction tx = game.beginTransaction(); // every short covered, or none
        for (const TradeRules::Row& row : rows)
            TradeRules::Record(game, row);
        tx.commit();
    } catch (const std::exception& e) {
        // The move stays; a call that is due is tried again at the next one. A
        // file that cannot be read is said by the windows that show it.
        if (!rows.empty())
            tellOnce(QStringLiteral("The margin call could not be recorded in the game file"), e);
        return false;
    }
    Holdings::SharedReading::Changed();
    Ui::MsgBox(QStringLiteral("Margin call: your balance %1 fell below 30 % of your short positions %2, so they were "
                              "covered at the market's prices.")
                   .arg(Numbers::PlainText(m.balance), Numbers::PlainText(m.shorts)));
    return true;
}

} // namespace Trading
