// The news of a move as its rules return it: a headline jumps its stock, then
// leans its draws for exactly its moves, 55 in 100 to its side; rumours come
// before some of it and one in two is denied, which moves the price back; the
// market's own news moves only the stocks without news of their own.
#include "market/News.h"
#include <QString>
#include <deque>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>

using Market::News::Direction;

namespace {
/// Draws that answer each range from its own list in turn; a range with
/// nothing listed draws its highest, which takes no chance.
struct Script {
    std::map<std::pair<int, int>, std::deque<int>> next;
    int operator()(int lo, int hi)
    {
        std::deque<int>& q = next[{lo, hi}];
        if (q.empty())
            return hi;
        const int v = q.front();
        q.pop_front();
        return v;
    }
};

/// Each stock's tilts over the moves ('u' up, 'd' down, '.' none), the
/// jumps ("ALDR at 1: 1.05"), and the kinds of the rows written, in order.
struct Played {
    std::vector<std::string> tilts;
    std::vector<std::string> jumps;
    std::vector<std::string> kinds;
};

Played play(const std::vector<QString>& symbols, std::shared_ptr<Script> script, int moves)
{
    Played out{std::vector<std::string>(symbols.size())};
    std::vector<Market::News::Item> running;
    for (int m = 0; m < moves; ++m) {
        Market::News::Move move(running, [script](int lo, int hi) { return (*script)(lo, hi); });
        for (size_t s = 0; s < symbols.size(); ++s) {
            const Market::News::Tilt t = move.Stock(symbols[s], symbols[s] + " Inc");
            out.tilts[s] += !t.side ? '.' : *t.side == Direction::Up ? 'u' : 'd';
            if (t.jump != 1)
                out.jumps.push_back(QString("%1 at %2: %3").arg(symbols[s]).arg(m + 1).arg(t.jump).toStdString());
        }
        running.clear();
        for (Market::News::Item& item : move.Finish()) {
            if (item.at < 0)
                out.kinds.push_back(Market::News::KindCode(item.kind).toStdString()), item.at = 0;
            if (item.movesLeft > 0)
                running.push_back(item);
        }
    }
    return out;
}
} // namespace

TEST(NewsRules, EachJumpsItsStockAtItsHeadlineAndTiltsItForExactlyItsMovesAndTheMarketsTiltsTheRest)
{
    using Draws = std::map<std::pair<int, int>, std::deque<int>>;
    struct Case {
        const char* what;
        Draws draws;
        std::vector<std::string> tilts; ///< ALDR's, BRKW's
        std::vector<std::string> jumps;
        std::vector<std::string> kinds;
    };
    const Case cases[] = {
        {"good news for 12 moves", {{{1, 420}, {1}}, {{1, 2}, {1, 2}}, {{10, 25}, {12}}, {{300, 800}, {500}}},
            {"uuuuuuuuuuuu..", ".............."}, {"ALDR at 1: 1.05"}, {"news"}},
        {"bad news for 15 moves", {{{1, 420}, {1}}, {{1, 2}, {2, 2}}, {{15, 30}, {15}}},
            {"ddddddddddddddd.", "................"}, {"ALDR at 1: 0.9"}, {"news"}},
        {"a rumour three moves before its news",
            {{{1, 420}, {1}}, {{1, 2}, {1, 1, 2}}, {{3, 6}, {3}}, {{10, 25}, {10}}, {{300, 800}, {300}}},
            {"...uuuuuuuuuu.", ".............."}, {"ALDR at 4: 1.03"}, {"rumour", "news"}},
        {"a false bad rumour denied, which lifts its stock back",
            {{{1, 420}, {1}}, {{1, 2}, {2, 1, 1}}, {{3, 6}, {4}}}, {"........", "........"}, {"ALDR at 5: 1.05"},
            {"rumour", "denied"}},
        {"the market's news beside a stock's own",
            {{{1, 840}, {1}}, {{1, 2}, {1, 2, 2}}, {{8, 20}, {8}}, {{1, 420}, {1}}, {{15, 30}, {15}}},
            {"ddddddddddddddd.", "uuuuuuuu........"}, {"ALDR at 1: 0.9", "BRKW at 1: 1.03"}, {"news", "news"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto script = std::make_shared<Script>(Script{c.draws});
        const Played p = play({"ALDR", "BRKW"}, script, int(c.tilts[0].size()));
        EXPECT_EQ(p.tilts, c.tilts);
        EXPECT_EQ(p.jumps, c.jumps);
        EXPECT_EQ(p.kinds, c.kinds);
    }
}

TEST(NewsRules, ATiltedDrawFallsOnItsSideAsOftenAsItsShareSays)
{
    std::mt19937 gen(20261210); // seeded: the count is the same at every run
    const Market::News::Draw draw = [&gen](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    for (const auto& [side, share] : {std::pair(Direction::Up, 55), std::pair(Direction::Down, 55),
             std::pair(Direction::Up, 53)}) {
        int onItsSide = 0;
        for (int i = 0; i < 20000; ++i)
            onItsSide += (Market::News::TiltedDraw({side, share}, draw) >= 50) == (side == Direction::Up);
        EXPECT_NEAR(onItsSide / 200.0, share, 1.0) << share;
    }
}

