#pragma once
// Listing a new stock and correcting a listed one: rules that return what
// came of them, for the Add Asset and Edit stock windows to tell.
#include "StockFigures.h"
#include <QString>
#include <array>
#include <vector>

namespace Assets {

/// What came of a listing or a correction that the market was asked to make.
struct Outcome {
    enum class Kind { Done, Unchanged, Refused, Failed };
    Kind kind = Kind::Done;
    QString text; ///< what to say; empty where nothing is said
};

/// Lists a stock under its name and symbol with its price, the day's lowest
/// and highest price and its volume: its row and its four objects together
/// or not at all. A symbol listed already, or one the market cannot take, is refused.
Outcome AddStock(const QString& name, const QString& symbol, const std::array<double, 4>& figures);

/// A figure of a listed stock as the player left it in its box: changed
/// since it was shown or not, and what was typed.
struct Correction {
    Figure figure;
    bool touched = false;
    QString typed;
};
/// Stores what the player changed of the stock's figures, all together, the
/// price last; a new price beyond the day's range moves it. Unchanged where
/// the price itself is as it was (the other corrections are kept).
Outcome CorrectStock(const QString& symbol, const std::vector<Correction>& corrections);

} // namespace Assets
