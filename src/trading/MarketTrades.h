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
    QString failure; ///< why the rest could not be carried out, to be told; empty where told already
};
Fills FillOrders(const Game& game);

/// Where the balance fell below 30 % of the short positions' value, every short
/// position is covered at the move's prices, all or none.
struct Call {
    QString told; ///< what it did, to be told; empty when it recorded nothing
    QString failure; ///< why it could not be recorded, to be told; empty where told already
};
Call CallMargin(const Game& game);

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
/// What the game remembers of the works the market does for the player:
/// each work's failures apart, so that one alternating with the other's is
/// still told once.
struct Memory {
    FailureMemory fills, margin;
};

} // namespace Trading
