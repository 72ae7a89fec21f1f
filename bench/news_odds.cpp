// Plays the market's news rules over simulated headlines, stock by stock as
// the tick moves them, and prints what three ways of following the news earn:
// whether judgement pays, and that it never pays for certain.
//   build/bench/news_odds [seed] [cases]
#include "market/News.h"
#include "market/PriceFactor.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <vector>

using namespace Market;

namespace {

enum Strategy { kGoodNews, kBadNews, kGoodRumour, kStrategies };
const char* const kNames[kStrategies] = {"buy at a good headline, sell when its moves end",
    "short at a bad headline, cover when its moves end", "buy at a good rumour, sell at its news or denial"};

struct Open {
    Strategy strategy;
    double price; ///< bought or sold short at
};

/// The return of a case in per cent: a short earns what the price fell.
double gain(const Open& o, double price)
{
    const double change = (price / o.price - 1) * 100;
    return o.strategy == kBadNews ? -change : change;
}

void print(const char* name, std::vector<double> r)
{
    std::sort(r.begin(), r.end());
    double sum = 0;
    for (double x : r)
        sum += x;
    const auto losing = std::count_if(r.begin(), r.end(), [](double x) { return x < 0; });
    std::printf("%-52s %6zu %+8.2f %+9.2f %8.1f\n", name, r.size(), sum / double(r.size()), r[r.size() / 2],
        100.0 * double(losing) / double(r.size()));
}

} // namespace

int main(int argc, char** argv)
{
    const unsigned seed = argc > 1 ? unsigned(std::strtoul(argv[1], nullptr, 10)) : std::random_device{}();
    const size_t wanted = argc > 2 ? size_t(std::strtoul(argv[2], nullptr, 10)) : 10000;
    std::printf("seed %u\n", seed);
    std::mt19937 gen(seed);
    const News::Draw draw = [&gen](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };

    constexpr int kStocks = 200;
    std::vector<QString> symbols;
    for (int i = 0; i < kStocks; ++i)
        symbols.push_back(QStringLiteral("S%1").arg(i));
    std::map<QString, double> price;
    for (const QString& s : symbols)
        price[s] = 100;
    std::vector<News::Item> running;
    std::map<int64_t, Open> byHeadline; // company news, until its moves end
    std::map<QString, Open> byRumour; // a good rumour, until its news or denial
    std::vector<double> results[kStrategies];
    int64_t headlines = 0, moves = 0;
    auto done = [&] {
        return std::all_of(std::begin(results), std::end(results), [&](const auto& r) { return r.size() >= wanted; });
    };
    while (!done()) {
        ++moves;
        News::Move move(std::move(running), draw);
        for (const QString& s : symbols) {
            const News::Tilt tilt = move.Stock(s, s);
            price[s] *= PriceFactor(News::TiltedDraw(tilt, draw)) / 100 * tilt.jump;
        }
        running.clear();
        for (News::Item& item : move.Finish()) {
            const bool fresh = item.at < 0;
            if (fresh)
                item.at = ++headlines;
            const double now = item.symbol.isEmpty() ? 0 : price[item.symbol];
            const bool up = item.direction == News::Direction::Up;
            if (fresh && item.kind != News::Kind::Rumour && byRumour.contains(item.symbol)) {
                results[kGoodRumour].push_back(gain(byRumour[item.symbol], now)); // its news or its denial
                byRumour.erase(item.symbol);
            }
            if (fresh && item.kind == News::Kind::Rumour && up)
                byRumour[item.symbol] = {kGoodRumour, now};
            if (fresh && item.kind == News::Kind::News && !item.symbol.isEmpty())
                byHeadline[item.at] = {up ? kGoodNews : kBadNews, now};
            if (item.movesLeft > 0) {
                running.push_back(item);
            } else if (const auto it = byHeadline.find(item.at); it != byHeadline.end()) {
                results[it->second.strategy].push_back(gain(it->second, now));
                byHeadline.erase(it);
            }
        }
    }
    std::printf("%lld moves of %d stocks, %lld headlines\n", static_cast<long long>(moves), kStocks,
        static_cast<long long>(headlines));
    std::printf("%-52s %6s %8s %9s %8s\n", "strategy", "cases", "mean %", "median %", "losing %");
    for (int s = 0; s < kStrategies; ++s)
        print(kNames[s], results[s]);
    return 0;
}
