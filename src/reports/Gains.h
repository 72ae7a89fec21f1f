#pragma once
// What each stock traded in a game has gained, by the average-cost rule: a
// trade that adds to a position (a purchase to a long one, a sale to a short
// one) adds its units at its price; one that reduces it takes its units out
// at the position's average price and realises the difference. A trade that
// goes past nothing (a purchase that covers a short and buys more) realises
// the part that closes and starts the rest at its price.
#include "dao/Dao.h"
#include <optional>
#include <vector>

namespace Gains {

struct Trade {
    QString symbol;
    dao::Currency price;
    int64_t units; ///< positive bought, negative sold
};

struct Stock {
    QString symbol;
    int64_t units = 0; ///< held now; negative for a short position
    dao::Currency cost; ///< the held units at their average price; negative for a short
    dao::Currency realised; ///< what the closing trades brought over the average
    /// The average price of a held unit (for a short, what it was sold short
    /// at); none while none is held.
    std::optional<dao::Currency> AveragePaid() const;
};

/// One per stock ever traded, by symbol.
std::vector<Stock> Apply(const std::vector<Trade>& log);

/// The game's trade log, in the order the trades were made; a row whose
/// price or units are empty counts as 0.
std::vector<Trade> ReadLog(dao::Database& game);

} // namespace Gains
