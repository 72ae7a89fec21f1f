#include "PriceFactor.h"
#include <QTime>
#include <random>

namespace Market {

double PriceFactor(int r)
{
    struct Bracket {
        int from;
        double factor;
    };
    // Tested from the top; 65 to 69 shares the factor of 85 to 89 on purpose.
    static constexpr Bracket table[] = {{95, 102.505}, {90, 102.105}, {85, 101.755}, {80, 101.505}, {75, 101.255},
        {70, 101.005}, {65, 101.755}, {55, 100.505}, {50, 100.255}, {45, 99.75}, {40, 99.5}, {35, 99.25}, {30, 99},
        {25, 98.75}, {20, 98.5}, {15, 98.25}, {10, 97.9}, {1, 97.5}};
    for (const Bracket& b : table)
        if (r >= b.from)
            return b.factor;
    return 97.5;
}

int VolumeStep(int r) { return r < 50 ? 1000 : 100; }

namespace {
std::function<int(int, int)>& source()
{
    static std::function<int(int, int)> s;
    return s;
}
} // namespace

int Draw(int lo, int hi)
{
    if (source())
        return source()(lo, hi);
    // Seeded once: reseeding per stock from the same second would move every stock in lockstep.
    static std::mt19937 gen(unsigned(QTime::currentTime().msecsSinceStartOfDay()) ^ std::random_device{}());
    return std::uniform_int_distribution<int>(lo, hi)(gen);
}

void SetDrawSource(std::function<int(int, int)> s) { source() = std::move(s); }

} // namespace Market
