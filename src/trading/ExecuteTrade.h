#pragma once
// A trade as the desk asks for it, weighed by the trade rules and recorded:
// what came of it is returned, for the desk to tell.
#include "TradeRules.h"
#include "game/Game.h"
#include <optional>

namespace Trading {

/// One trade as the desk asks for it: the chosen stock and its price as the
/// desk shows it (none when no stock is), the units as typed, the type.
struct Trade {
    QString symbol;
    std::optional<dao::Currency> price;
    QString units;
    TradeType type = TradeType::None;
};

/// What came of it: what to say, and how; the sum where it was worked out;
/// recorded when a row was added; ranToEnd when the other windows have
/// something to follow (not refused before the sum, nor for want of cash).
struct TradeResult {
    TradeRules::Said said;
    bool failed = false; ///< the game file would not take it
    std::optional<dao::Currency> sum;
    bool recorded = false;
    bool ranToEnd = false;
};

/// Checks the hours, the units, the type and the stock, weighs the trade
/// against the game's log and stores its row, before it is confirmed: a row
/// that could not be stored is never said to be. A clock that shows no time
/// lets the trade through.
TradeResult ExecuteTrade(const Game& game, const Trade& trade);

} // namespace Trading
