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
/// change +9.31 %"; the change is left out where the first price is 0.
QString ChartSummary(const QString& symbol, const ChartSlots& values);

/// "Price 187 of 200: 27.4388" for a slot that holds a price, counted among
/// the prices; "Tick 12: no price" for one that holds none.
QString SlotText(const ChartSlots& values, int slot);

/// Keys that move a reader's place among count prices (0-based): Left and
/// Right one, Page Up and Page Down ten, Home and End to the ends. Before the
/// first key there is no place: Right, Page Down and Home start at the first
/// price, Left, Page Up and End at the last. None for any other key.
std::optional<int> MovePlace(std::optional<int> place, int count, int key);

} // namespace Market
