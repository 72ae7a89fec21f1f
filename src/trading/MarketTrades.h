#pragma once
// The trades the market makes for the player after it moves, by the desk's
// rules: each stored in one transaction with what it changes, so that a kill
// leaves all of it or none.

namespace Trading {

/// Where the balance fell below 30 % of the short positions' value, every short
/// position is covered at the move's prices, and the player told once. True
/// when it recorded anything.
bool CallMargin();

} // namespace Trading
