#pragma once
// What a chart says to a player who cannot see it: a summary of its prices,
// and each price by its place, reached with the keys a chart is read by.
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace Market {

constexpr int kChartSlots = 200;
/// Slot k (1 to 200) is element k - 1.
using ChartSlots = std::array<std::optional<double>, kChartSlots>;

/// The slots (1 to 200) that hold a price, oldest first: the places a reader moves through.
std::vector<int> PricedSlots(const ChartSlots& values);

/// "ALDR: 200 prices, first 25.1, last 27.4388, lowest 24.9, highest 28.1,
/// change +9.31 %", as every chart sums up its figures.
QString ChartSummary(const QString& symbol, const ChartSlots& values);

/// "Price 187 of 200: 27.4388" for a slot that holds a price, counted among
/// the prices; "Tick 12: no price" for one that holds none.
QString SlotText(const ChartSlots& values, int slot);

} // namespace Market
