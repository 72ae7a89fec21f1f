#pragma once
// The trades the market makes for the player after it moves, by the desk's
// rules: each stored in one transaction with what it changes, so that a kill
// leaves all of it or none.

#include "game/Game.h"
#include <QStringList>
#include <utility>

namespace Trading {

/// Each open order, in the order it was placed, whose stock's new price meets
/// its condition is carried out at that price by the rules of its type, its
/// trade and its new state in one transaction; one the rules refuse stays
/// open with a note of why.
struct Fills {
    QStringList told; ///< what each filled did ("bought 10 of ALDR at 12.34")
    bool changed = false; ///< whether any order was written, filled or noted
};
Fills FillOrders(const Game& game);

/// Where the balance fell below 30 % of the short positions' value, every short
/// position is covered at the move's prices, and the player told once. What
/// it told; empty when it recorded nothing.
QString CallMargin(const Game& game);

/// A failure of a work the market does at every move, told once while it
/// lasts: told again when it comes back after a success, or changes.
class FailureMemory {
public:
    /// True when it is to be told now.
    bool Failed(const QString& text) { return text != std::exchange(told_, text); }
    void Succeeded() { told_.clear(); }

private:
    QString told_;
};

} // namespace Trading
