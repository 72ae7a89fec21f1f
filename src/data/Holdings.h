#pragma once
// What the game holds and what the market prices it at, as the balance and the
// holdings reports read them.
#include "dao/Dao.h"
#include "game/Game.h"
#include <QHash>
#include <optional>
#include <vector>

namespace Holdings {

struct Holding {
    QString symbol;
    dao::Value units; ///< "Sum Of units": Null for a group whose units are all Null
};

/// While one lives, what the game holds and the market's prices for it are
/// read once, kept with the game, and handed to every reader given the game:
/// the windows that follow one move read one reading. Nothing may write the
/// game's log while it lives.
class SharedReading {
public:
    explicit SharedReading(const Game& game);
    ~SharedReading();
    SharedReading(const SharedReading&) = delete;
    SharedReading& operator=(const SharedReading&) = delete;

private:
    const Game& game_;
};

/// The cash, one rule for every window: the game's starting balance plus the
/// net result of the trades in the log (nothing while the log is empty).
dao::Currency Cash(dao::Database& game, dao::Currency startingBalance);

/// The rows of the game's "Position" query, in the order it returns them;
/// the shared reading's where the game is given and one lives.
std::vector<Holding> Read(dao::Database& file, const Game* sharing = nullptr);

/// The net units, whole as the log stores them; Null counts as 0. Negative
/// units are a short position. The one rule of what is held, for the desk,
/// the Balance, the margin and the gains alike.
int64_t Units(const Holding& h);
/// The holding of a symbol, the first of that exact symbol in the query's
/// order; none when it was never traded.
const Holding* Find(const std::vector<Holding>& held, const QString& symbol);

/// The market's prices of some symbols, as read.
using Prices = QHash<QString, dao::Value>;
/// The listed price of a symbol; none where the market does not list it.
std::optional<dao::Currency> ListedPrice(const Prices& prices, const QString& symbol);
/// A holding's value at its listed price, exactly (a short counting
/// negative); none where the symbol is not listed.
std::optional<dao::Currency> ValueAt(const Prices& prices, const QString& symbol, int64_t units);

/// What the game is worth at the market's current prices, as Balance shows it.
struct Worth {
    dao::Currency cash;
    std::optional<dao::Currency> stocks; ///< none while the log holds no trade
    QStringList unlisted; ///< held symbols the market does not list, valued at 0
    dao::Currency balance() const { return cash + stocks.value_or(dao::Currency()); }
};
/// The worth of what is held at the given prices, besides the cash.
Worth WorthAt(dao::Currency cash, const std::vector<Holding>& held, const Prices& prices);
/// The game's worth at the market's current prices.
Worth WorthOf(dao::Database& file, dao::Currency startingBalance, const Game* sharing = nullptr);

/// The current price of each held symbol that is listed: the first row of that
/// symbol in table order, as a walk from the first row would find it.
Prices CurrentPrices(const std::vector<Holding>& held, const Game* sharing = nullptr);

} // namespace Holdings
