#pragma once
// What the game holds and what the market prices it at, as the balance and the
// holdings reports read them.
#include "data/dao/Dao.h"
#include <QHash>
#include <optional>
#include <vector>

namespace Holdings {

struct Holding {
    QString symbol;
    dao::Value units; ///< "Sum Of units": Null for a group whose units are all Null
};

/// While one lives, what the game holds and the market's prices for it are
/// read once and handed to every caller: a tick refreshes Portfolio and
/// Balance from one reading, and nothing is written between the two.
class SharedReading {
public:
    SharedReading();
    ~SharedReading();
    /// The game's log changed under a reading (the market filled an order,
    /// a margin call covered the shorts): what is read next is read afresh.
    static void Changed();
    SharedReading(const SharedReading&) = delete;
    SharedReading& operator=(const SharedReading&) = delete;
};

/// The cash, one rule for every window: the starting balance (0 where there
/// is none) plus the net result of the trades in the log (nothing while the
/// log is empty). The log's "Sum Of Result" as read goes to sumOfResult.
dao::Currency Cash(dao::Database& game, dao::Value* sumOfResult = nullptr);

/// The rows of the game's "Position" query, in the order it returns them.
std::vector<Holding> Read(dao::Database& game);

/// The net units, whole as the log stores them; Null counts as 0. Negative
/// units are a short position. The one rule of what is held, for the desk,
/// the Balance, the margin and the gains alike.
int64_t Units(const Holding& h);
/// The holding of a symbol, the first of that exact symbol in the query's
/// order; none when it was never traded.
const Holding* Find(const std::vector<Holding>& held, const QString& symbol);

/// A holding's value at a price, exactly: the price as money times the units.
dao::Currency Value(const dao::Value& price, int64_t units);

/// What the game is worth at the market's current prices, as Balance shows it.
struct Worth {
    dao::Currency cash;
    std::optional<dao::Currency> stocks; ///< none while the log holds no trade
    QStringList unlisted; ///< held symbols the market does not list, valued at 0
    dao::Currency balance() const { return cash + stocks.value_or(dao::Currency()); }
};
Worth WorthOf(dao::Database& game);

/// The current price of each held symbol that is listed: the first row of that
/// symbol in table order, as a walk from the first row would find it.
QHash<QString, dao::Value> CurrentPrices(const std::vector<Holding>& held);

} // namespace Holdings
