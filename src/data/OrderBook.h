#pragma once
// The orders of a game: buy or sell when a stock's price reaches a level, kept
// in the game file's table "Orders" until the market fills them or the player
// cancels them.
#include "data/dao/Dao.h"
#include "data/kit/Module1.h"
#include <QDateTime>
#include <optional>
#include <vector>

namespace OrderBook {

using Type = Module1::Trade::Type;

/// At most this many orders are open at once.
inline constexpr int kMostOpen = 100;

inline const QString kOpen = QStringLiteral("open"), kFilled = QStringLiteral("filled"),
                     kCancelled = QStringLiteral("cancelled");

struct Order {
    int row = 0; ///< its place in the table: the order it was placed in
    QString symbol;
    Type type = Type::None;
    bool atOrBelow = true; ///< else at or above
    dao::Currency price;
    int64_t units = 0;
    QDateTime placed;
    QString state = kOpen;
    std::optional<QDateTime> done;
    std::optional<dao::Currency> fillPrice;
    QString note;
    bool isOpen() const { return state == kOpen; }
    /// Whether a price meets its condition: at or below, or at or above, its own.
    bool MetBy(dao::Currency p) const { return atOrBelow ? p <= price : p >= price; }
};

/// The desk's words for a type ("Buy", "Sell", "Cover short", "Sell short") and back.
QString TypeName(Type t);
Type TypeNamed(const QString& name);
QString ConditionName(bool atOrBelow);

/// Gives a game file the table where it has none (an older game's file); true when it was made.
bool Ensure(dao::Database& game);
/// Every order, in the order they were placed; none where the file has no table.
std::vector<Order> Read(dao::Database& game);
/// Appends an order.
void Place(dao::Database& game, const Order& o);
/// Stores an order's state, when it was done, its fill price and its note.
void Update(dao::Database& game, const Order& o);

} // namespace OrderBook
