#pragma once
#include <QString>

namespace StarterMarket {

constexpr unsigned kSeed = 19970901;
constexpr int kHistoryRows = 201;

/// Writes the starter market to path (which must not exist): fictional companies
/// whose histories are walked by the market's own price factors from a fixed seed.
void Build(const QString& path, unsigned seed = kSeed);

} // namespace StarterMarket
