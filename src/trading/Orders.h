#pragma once
// Placing and cancelling the orders the market fills: rules that return what
// came of them, for the Orders window to tell.
#include "data/OrderBook.h"
#include "game/Game.h"
#include <optional>

namespace Trading {

/// A condition in the player's words: "at or below", "at or above".
QString Caption(OrderBook::Condition c);
/// A state in the player's words.
QString Caption(OrderBook::State s);
/// "buy 100 of ALDR at or below 20"
QString Described(const OrderBook::Order& o);

struct OrderResult {
    enum class Kind { Done, Full, NotOpen, Failed };
    Kind kind = Kind::Done;
    QString failure; ///< why the game file would not take it
    OrderBook::Order order; ///< as placed, or as cancelled
};
/// Places an order where fewer than the most are open.
OrderResult PlaceOrder(const Game& game, const OrderBook::Order& order);
/// Cancels the order at that place among the game's, where it is open.
OrderResult CancelOrder(const Game& game, std::optional<int> row);

} // namespace Trading
