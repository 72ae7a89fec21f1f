#pragma once
#include <functional>

namespace Market {

/// The percentage by which a draw r (1 to 100) multiplies a price.
double PriceFactor(int r);
/// Volume grows by r times this step.
int VolumeStep(int r);

/// A random draw, uniform over lo to hi (both included): every chance the
/// market takes comes from here. Seeded once from the clock.
int Draw(int lo, int hi);
/// The draw r of a move, uniform over 1 to 100.
inline int DrawR() { return Draw(1, 100); }
/// Tests script the draws; an empty function restores the generator.
void SetDrawSource(std::function<int(int lo, int hi)> source);

} // namespace Market
