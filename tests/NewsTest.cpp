// A headline jumps its stock's price, then leans its draws for exactly its
// moves, 55 in 100 to its side; rumours come before some of it and one in two
// is denied, which moves the price back; the market's own news moves only the
// stocks without news of their own. Written with the move, so that a kill
// leaves news and prices that agree.
#include "market/News.h"
#include "data/HallOfFame.h"
#include "market/NewsWindow.h"
#include "reports/HallOfFameWindow.h"
#include "support/GameFixture.h"

using Market::News::Direction;
using Market::News::Kind;

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

/// Each stock's tilts over the moves ('u' up, 'd' down, '.' none), and the
/// kinds of the rows written, in order.
struct Played {
    std::vector<std::string> tilts;
    std::vector<std::string> kinds;
};

Played play(const std::vector<QString>& symbols, std::shared_ptr<Script> script, int moves)
{
    Played out{std::vector<std::string>(symbols.size())};
    std::vector<Market::News::Item> running;
    for (int m = 0; m < moves; ++m) {
        Market::News::Move move(running, [script](int lo, int hi) { return (*script)(lo, hi); });
        for (size_t s = 0; s < symbols.size(); ++s) {
            const auto t = move.Stock(symbols[s], symbols[s] + " Inc").side;
            out.tilts[s] += !t ? '.' : *t == Direction::Up ? 'u' : 'd';
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

TEST(NewsRules, EachStartsItsTiltForExactlyItsMovesAndTheMarketsTiltsTheRest)
{
    using Draws = std::map<std::pair<int, int>, std::deque<int>>;
    struct Case {
        const char* what;
        Draws draws;
        std::vector<std::string> tilts; ///< ALDR's, BRKW's
        std::vector<std::string> kinds;
    };
    const Case cases[] = {
        {"good news for 12 moves", {{{1, 420}, {1}}, {{1, 2}, {1, 2}}, {{10, 25}, {12}}},
            {"uuuuuuuuuuuu..", ".............."}, {"news"}},
        {"bad news for 15 moves", {{{1, 420}, {1}}, {{1, 2}, {2, 2}}, {{15, 30}, {15}}},
            {"ddddddddddddddd.", "................"}, {"news"}},
        {"a rumour three moves before its news",
            {{{1, 420}, {1}}, {{1, 2}, {1, 1, 2}}, {{3, 6}, {3}}, {{10, 25}, {10}}},
            {"...uuuuuuuuuu.", ".............."}, {"rumour", "news"}},
        {"a false rumour denied", {{{1, 420}, {1}}, {{1, 2}, {2, 1, 1}}, {{3, 6}, {4}}}, {"........", "........"},
            {"rumour", "denied"}},
        {"the market's news beside a stock's own",
            {{{1, 840}, {1}}, {{1, 2}, {1, 2, 2}}, {{8, 20}, {8}}, {{1, 420}, {1}}, {{15, 30}, {15}}},
            {"ddddddddddddddd.", "uuuuuuuu........"}, {"news", "news"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto script = std::make_shared<Script>(Script{c.draws});
        const Played p = play({"ALDR", "BRKW"}, script, int(c.tilts[0].size()));
        EXPECT_EQ(p.tilts, c.tilts);
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

class NewsTest : public OpenGameTest {
protected:
    /// Every range the market drew from.
    std::vector<std::pair<int, int>> drawn;
    void record(std::function<int(int, int)> answer)
    {
        Market::SetDrawSource([this, answer](int lo, int hi) {
            drawn.push_back({lo, hi});
            return answer(lo, hi);
        });
    }
};

TEST_F(NewsTest, AMoveJumpsAStockAtItsHeadlineAndLeansItsDrawsToItsSide)
{
    using Draws = std::map<std::pair<int, int>, std::deque<int>>;
    using Steps = std::vector<std::pair<int, double>>; ///< a stock's draw r and jump at each move
    struct Case {
        const char* what;
        Draws draws; ///< ALDR draws first, then BRKW; a range with nothing listed draws its highest
        Steps aldr, brkw;
        QStringList kinds;
    };
    const Case cases[] = {
        {"a good headline jumps its stock, and 55 of 100 side draws fall on its side",
            {{{1, 420}, {1}}, {{1, 2}, {1, 2}}, {{300, 800}, {500}}, {{1, 100}, {55, 100, 56, 100}}},
            {{100, 1.05}, {49, 1}}, {{100, 1}, {100, 1}}, {"news"}},
        {"a bad headline drops its stock",
            {{{1, 420}, {1}}, {{1, 2}, {2, 2}}, {{400, 1000}, {1000}}, {{1, 100}, {55, 100, 56, 100}}},
            {{49, 0.9}, {100, 1}}, {{100, 1}, {100, 1}}, {"news"}},
        {"a true rumour brings its news and its jump three moves later",
            {{{1, 420}, {1}}, {{1, 2}, {1, 1, 2}}, {{3, 6}, {3}}, {{300, 800}, {300}},
                {{1, 100}, {100, 100, 100, 100, 100, 100, 1, 100}}},
            {{100, 1}, {100, 1}, {100, 1}, {100, 1.03}}, {{100, 1}, {100, 1}, {100, 1}, {100, 1}},
            {"rumour", "news"}},
        {"a denied rumour moves its stock against it",
            {{{1, 420}, {1}}, {{1, 2}, {1, 1, 1}}, {{3, 6}, {3}}, {{200, 500}, {500}}},
            {{100, 1}, {100, 1}, {100, 1}, {100, 0.95}}, {{100, 1}, {100, 1}, {100, 1}, {100, 1}},
            {"rumour", "denied"}},
        {"the market's news moves the stock without news of its own",
            {{{1, 840}, {1}}, {{1, 2}, {2, 1, 1, 2}}, {{100, 300}, {300}}, {{1, 420}, {1}}, {{1, 100}, {55, 53}}},
            {{100, 1.08}}, {{49, 0.97}}, {"news", "news"}},
    };
    RawRows(path("stocks.tqs"), "DELETE FROM \"Stocks Information\" WHERE stocksymbol NOT IN ('ALDR', 'BRKW')");
    ed->marketNewsAction->trigger();
    dao::Database m = market();
    MarketSchema::EnsureNews(m);
    m.close();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RawRows(path("stocks.tqs"), "DELETE FROM \"Market News\"");
        setPrice("ALDR", 100);
        setPrice("BRKW", 200);
        auto script = std::make_shared<Script>(Script{c.draws});
        Market::SetDrawSource([script](int lo, int hi) { return (*script)(lo, hi); });
        dao::Currency aldr = money(100), brkw = money(200);
        auto moved = [](dao::Currency p, std::pair<int, double> step) {
            return money(p.toDouble() * Market::PriceFactor(step.first) / 100 * step.second);
        };
        for (size_t m = 0; m < c.aldr.size(); ++m) {
            Tick();
            aldr = moved(aldr, c.aldr[m]), brkw = moved(brkw, c.brkw[m]);
            EXPECT_EQ(stocks()[0].price, dao::Value(aldr)) << "move " << m + 1;
            EXPECT_EQ(stocks()[1].price, dao::Value(brkw)) << "move " << m + 1;
        }
        EXPECT_EQ(RawRows(path("stocks.tqs"), "SELECT Kind FROM \"Market News\""), c.kinds);
    }
}

TEST_F(NewsTest, OffTheMarketMovesAsBeforeOnItsHeadlinesAreToldListedAndKeptWithTheGame)
{
    record([](int, int hi) { return hi; });
    Tick();
    EXPECT_EQ(drawn, (std::vector<std::pair<int, int>>(14, {1, 100}))); // one uniform draw a stock, nothing else
    EXPECT_EQ(RawRows(path("stocks.tqs"), "SELECT count(*) FROM sqlite_schema WHERE name = 'Market News'"), QStringList("0"));
    EXPECT_EQ(ed->newsLabel->text(), "");

    ed->marketNewsAction->trigger(); // Market news, on
    EXPECT_TRUE(game()->News());
    EXPECT_EQ(ed->newsLabel->text(), "News on");
    EXPECT_EQ(RawRows(path("Trader.sav"), "SELECT News FROM \"Player Information\""), QStringList("Yes"));
    ed->newsAction->trigger();
    NewsWindow* news = Forms::IfLoaded<NewsWindow>();
    ASSERT_NE(news, nullptr);
    EXPECT_EQ(news->noteLabel->text(), "No headline yet");
    record([](int, int hi) { return hi == 840 ? 1 : hi == 20 ? 8 : hi; }); // the market slides for 8 moves
    Tick();
    EXPECT_EQ(RawRows(path("stocks.tqs"),
                  "SELECT Symbol, Kind, Direction, \"Moves left\", Headline FROM \"Market News\""),
        QStringList("|news|down|7|Markets slide as interest rates rise")); // as it reads, for another program
    EXPECT_EQ(ed->statusLabel->text(), "Markets slide as interest rates rise");
    EXPECT_EQ(GridRows(*news->grid).value(1).section('|', 1), "Markets slide as interest rates rise");

    // A paused game draws nothing.
    drawn.clear();
    Session::Current().Clock().SetPaused(true);
    Session::Current().Clock().Advance(60000);
    EXPECT_TRUE(drawn.empty());
    Session::Current().Clock().SetPaused(false);

    // Continue keeps the choice; a new game starts without it, and without the last game's news.
    Session::Current().Close();
    ed->OfferSavedGames(true);
    QTest::mouseClick(Forms::IfLoaded<ContinueDialog>()->continueButton, Qt::LeftButton);
    EXPECT_TRUE(game()->News());
    EXPECT_TRUE(ed->marketNewsAction->isChecked());
    startGame("Other");
    EXPECT_FALSE(game()->News());
    EXPECT_EQ(RawRows(path("stocks.tqs"), "SELECT count(*) FROM \"Market News\""), QStringList("0"));
}

TEST(HallOfFameRules, TheMarketLeavesOutLaterStocksAndTheBestBeatItFurthest)
{
    using Holdings::Prices;
    const Prices start{{"A", dao::Value(money(10))}, {"B", dao::Value(money(20))}, {"Z", dao::Value(money(0))}};
    // A rose by a fifth, B stood, D came later, Z could never be bought.
    const Prices now{{"A", dao::Value(money(12))}, {"B", dao::Value(money(20))}, {"D", dao::Value(money(5))}};
    EXPECT_EQ(WorthLog::MarketWorth(start, now, money(500000)), money(550000));
    EXPECT_EQ(WorthLog::MarketWorth({}, now, money(500000)), std::nullopt);

    auto entry = [](const char* who, double gain, double beatBy) {
        HallOfFame::Entry e{who};
        e.gain = gain, e.beatBy = beatBy;
        return e;
    };
    std::vector<HallOfFame::Entry> games = {
        entry("low", 30, 1), entry("tie, less gain", 5, 4), entry("best", 2, 9), entry("tie, more gain", 8, 4)};
    std::sort(games.begin(), games.end(), HallOfFame::Before);
    QStringList order;
    for (const auto& e : games)
        order << e.player;
    EXPECT_EQ(order, QStringList({"best", "tie, more gain", "tie, less gain", "low"}));
}

class HallTest : public OpenGameTest {
protected:
    QStringList hall()
    {
        return RawRows(path("stocks.tqs"), "SELECT Player, Trades, Worth, Return FROM \"Hall of Fame\"");
    }
};

TEST_F(HallTest, AGameWithATradeEndsOnlyWhenAskedAndEntersTheHallOnce)
{
    setPrice("ALDR", 100);
    trade("ALDR", "1000", "Sell short"); // 100000 in, 1000 owed at 100: worth 500000
    setPrice("ALDR", 110); // the short lost 10000
    msgs.answers = {Ui::Answer::No};
    ed->closeAction->trigger();
    EXPECT_EQ(msgs.messages.back().text, "End the game of Trader for good? Its result goes into the hall of fame.");
    expectGame(true); // No leaves it as it was

    msgs.answers = {Ui::Answer::Yes};
    ed->closeAction->trigger();
    EXPECT_FALSE(QFile::exists(path("Trader.sav")));
    EXPECT_EQ(hall(), QStringList("Trader|1|4900000000|-2.0")); // a short counts negative
    HallOfFameWindow* f = Forms::IfLoaded<HallOfFameWindow>();
    ASSERT_NE(f, nullptr); // shown on its line
    EXPECT_EQ(f->grid->currentRow(), 0);
    EXPECT_EQ(f->findChild<QLabel*>("notice")->accessibleName(), "Your game ranks 1 of 1");
}

TEST_F(HallTest, EveryGameIsOneLineHoweverOftenItEndsAndBeatsTheMarketByTheDifference)
{
    // A line an earlier version wrote, without the game's identity, keeps its place.
    RawRows(path("stocks.tqs"),
        "CREATE TABLE \"Hall of Fame\"(Player TEXT, Started DATETIME, Ended DATETIME, Days LONG, Trades LONG, "
        "Worth CURRENCY, Return DOUBLE, \"Market return\" DOUBLE, \"Beat by\" DOUBLE, News TEXT)");
    RawRows(path("stocks.tqs"), "INSERT INTO \"Hall of Fame\" VALUES('Old', NULL, NULL, 1, 1, 0, 1, 0, 1, 'No')");
    auto end = [this] {
        msgs.answers = {Ui::Answer::Yes};
        ed->closeAction->trigger();
    };
    auto play = [this](const char* units) {
        startGame("Ann");
        setClock(at(0, 10, 0));
        trade("ALDR", units, "Buy");
    };
    setPrice("ALDR", 100);
    play("1000");
    for (const Stock& s : stocks()) // the market doubles, ALDR with it: worth 600000
        setPrice(s.symbol, s.price.toDouble() * 2);
    end();
    EXPECT_EQ(RawRows(path("stocks.tqs"), "SELECT Return, \"Market return\", \"Beat by\" FROM \"Hall of Fame\""),
        QStringList({"1.0|0.0|1.0", "20.0|100.0|-80.0"}));

    play("1"); // the same player, the same day: another game
    end();
    // An older game's file, continued: it gets an identity, and ends twice as
    // after a kill between its entry and its file's deletion.
    play("2");
    Session::Current().Close();
    RawRows(path("Ann.sav"), "ALTER TABLE \"Player Information\" DROP COLUMN Game");
    dao::releaseAll();
    ed->OfferSavedGames(true);
    QTest::mouseClick(Forms::IfLoaded<ContinueDialog>()->continueButton, Qt::LeftButton);
    dao::Database m = market();
    HallOfFame::Record(m, HallOfFame::Of(*game()));
    end();
    EXPECT_EQ(hall(), QStringList({"Old|1|0|1.0", "Ann|1|6000000000|20.0", "Ann|1|5000000000|0.0",
                          "Ann|1|5000000000|0.0"}));
}

TEST_F(HallTest, ExitKeepsTheGameForLaterOrStaysAndAFullDiskKeepsTheFile)
{
    trade("ALDR", "10", "Buy");
    msgs.answers = {Ui::Answer::Cancel};
    ed->exitAction->trigger();
    expectGame(true);
    EXPECT_FALSE(App::EndRequested());
    msgs.answers = {Ui::Answer::Keep};
    ed->exitAction->trigger();
    EXPECT_TRUE(App::EndRequested());
    App::ResetEndRequest();
    EXPECT_TRUE(QFile::exists(path("Trader.sav"))); // offered at the next start, as after a crash
    EXPECT_EQ(RawRows(path("stocks.tqs"), "SELECT count(*) FROM sqlite_schema WHERE name = 'Hall of Fame'"),
        QStringList("0")); // nothing entered

    ed->OfferSavedGames(true);
    QTest::mouseClick(Forms::IfLoaded<ContinueDialog>()->continueButton, Qt::LeftButton);
    msgs.messages.clear();
    msgs.answers = {Ui::Answer::End};
    {
        FullDisk full(0);
        ed->close();
    }
    ASSERT_EQ(msgs.messages.size(), 2u);
    EXPECT_TRUE(msgs.texts()[1].contains("was kept: continue the game later")) << msgs.texts()[1].toStdString();
    EXPECT_TRUE(QFile::exists(path("Trader.sav")));
    expectGame(false);
}
