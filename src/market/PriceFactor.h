#pragma once
#include <functional>

namespace Market {

/// The percentage by which a draw r (1 to 100) multiplies a price.
double PriceFactor(int r);
/// Volume grows by r times this step.
int VolumeStep(int r);

/// The random draw r, uniform over 1 to 100. Seeded once from the clock.
int DrawR();
/// Tests script the draws; an empty function restores the generator.
void SetDrawSource(std::function<int()> source);

} // namespace Market
