#include "Orders.h"
#include "TradeRules.h"
#include "game/GameClock.h"
#include "ui/Failure.h"
#include "ui/Numbers.h"
#include <QCoreApplication>
#include <functional>

namespace Trading {

QString Caption(OrderBook::Condition c)
{
    return c == OrderBook::Condition::AtOrBelow ? QCoreApplication::translate("Orders", "at or below")
                                                : QCoreApplication::translate("Orders", "at or above");
}

QString Caption(OrderBook::State s)
{
    switch (s) {
    case OrderBook::State::Open:
        return QCoreApplication::translate("Orders", "open");
    case OrderBook::State::Filled:
        return QCoreApplication::translate("Orders", "filled");
    case OrderBook::State::Cancelled:
        break;
    }
    return QCoreApplication::translate("Orders", "cancelled");
}

QString Described(const OrderBook::Order& o)
{
    // A phrase a type, which each language words as a whole: "buy 100 of ALDR at or below 20".
    static const std::pair<TradeType, const char*> kPhrases[] = {
        {TradeType::Buy, QT_TRANSLATE_NOOP("Orders", "buy %1 of %2 %3 %4")},
        {TradeType::Sell, QT_TRANSLATE_NOOP("Orders", "sell %1 of %2 %3 %4")},
        {TradeType::CoverShort, QT_TRANSLATE_NOOP("Orders", "cover short %1 of %2 %3 %4")},
        {TradeType::SellShort, QT_TRANSLATE_NOOP("Orders", "sell short %1 of %2 %3 %4")}};
    const char* phrase = kPhrases[0].second;
    for (const auto& [type, words] : kPhrases)
        if (type == o.type)
            phrase = words;
    return QCoreApplication::translate("Orders", phrase)
        .arg(o.units)
        .arg(o.symbol, Caption(o.condition), Numbers::PlainText(o.price));
}

namespace {
/// Runs a change of the game's orders in one transaction; a failure changes nothing.
OrderResult change(const Game& g, const char* what,
    const std::function<void(dao::Database&, std::vector<OrderBook::Order>&, OrderResult&)>& f)
{
    OrderResult out;
    try {
        dao::Database game = g.Open();
        dao::Transaction tx = game.beginTransaction();
        std::vector<OrderBook::Order> orders = OrderBook::Read(game);
        f(game, orders, out);
        tx.commit();
    } catch (const std::exception& e) {
        out.kind = OrderResult::Kind::Failed;
        out.failure = Ui::Failure(QCoreApplication::translate("Orders", what), e);
    }
    return out;
}
} // namespace

OrderResult PlaceOrder(const Game& game, const OrderBook::Order& order)
{
    return change(game, QT_TRANSLATE_NOOP("Orders", "The order could not be placed in the game file"),
        [&](dao::Database& file, std::vector<OrderBook::Order>& orders, OrderResult& out) {
            out.order = order;
            if (std::count_if(orders.begin(), orders.end(), [](const auto& x) { return x.isOpen(); }) >=
                OrderBook::kMostOpen)
                out.kind = OrderResult::Kind::Full;
            else
                OrderBook::Place(file, order);
        });
}

OrderResult CancelOrder(const Game& game, std::optional<int> row)
{
    return change(game, QT_TRANSLATE_NOOP("Orders", "The order could not be cancelled in the game file"),
        [&](dao::Database& file, std::vector<OrderBook::Order>& orders, OrderResult& out) {
            if (!row || *row >= int(orders.size()) || !orders[size_t(*row)].isOpen()) {
                out.kind = OrderResult::Kind::NotOpen;
                return;
            }
            out.order = orders[size_t(*row)];
            out.order.state = OrderBook::State::Cancelled;
            out.order.done = game.Clock().Now();
            OrderBook::Update(file, out.order);
        });
}

} // namespace Trading
