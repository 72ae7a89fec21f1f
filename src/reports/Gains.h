#pragma once
// What each stock traded in a game has gained, by the average-cost rule: a
// purchase adds its units and its cost; a sale takes its units out at the
// average cost and realises the difference to its price.
#include "data/dao/Dao.h"
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
    int64_t units = 0; ///< held now
    dao::Currency cost; ///< what the held units cost, at their average
    dao::Currency realised; ///< what the sales brought over their average cost
    /// The average paid for a held unit; none while none is held.
    std::optional<dao::Currency> AveragePaid() const;
};

/// One per stock ever traded, by symbol.
std::vector<Stock> Apply(const std::vector<Trade>& log);

/// The game's trade log, in the order the trades were made; a row whose
/// price or units are empty counts as 0.
std::vector<Trade> ReadLog(dao::Database& game);

} // namespace Gains
