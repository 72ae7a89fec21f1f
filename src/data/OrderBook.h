#pragma once
// The orders of a game: buy or sell when a stock's price reaches a level, kept
// in the game file's table "Orders" until the market fills them or the player
// cancels them.
#include "dao/Dao.h"
#include "TradeType.h"
#include <QDateTime>
#include <optional>
#include <vector>

namespace OrderBook {

using Type = TradeType;
/// The price an order waits for: at or below its level, or at or above it.
enum class Condition { AtOrBelow, AtOrAbove };
/// An order's state, stored as its code.
enum class State { Open, Filled, Cancelled };

/// At most this many orders are open at once.
inline constexpr int kMostOpen = 100;

struct Order {
    int row = 0; ///< its place in the table: the order it was placed in
    QString symbol;
    Type type = Type::None;
    Condition condition = Condition::AtOrBelow;
    dao::Currency price;
    int64_t units = 0;
    QDateTime placed;
    State state = State::Open;
    std::optional<QDateTime> done;
    std::optional<dao::Currency> fillPrice;
    QString note;
    bool isOpen() const { return state == State::Open; }
    /// Whether a price meets its condition: at or below, or at or above, its own.
    bool MetBy(dao::Currency p) const { return condition == Condition::AtOrBelow ? p <= price : p >= price; }
};

/// The codes the table stores for a type, a condition and a state, and back:
/// every game file keeps them, in any language.
QString Code(Type t);
QString Code(Condition c);
QString Code(State s);

/// Gives a game file the table where it has none (an older game's file); true when it was made.
bool Ensure(dao::Database& game);
/// Every order, in the order they were placed; none where the file has no table.
std::vector<Order> Read(dao::Database& game);
/// How many orders are open, without reading them; 0 where the file has no table.
int OpenCount(dao::Database& game);
/// Appends an order.
void Place(dao::Database& game, const Order& o);
/// Stores an order's state, when it was done, its fill price and its note.
void Update(dao::Database& game, const Order& o);

} // namespace OrderBook
