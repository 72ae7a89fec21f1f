// The news in a game: off, the market moves as it always did; on, its
// headlines move their stocks, are told and listed, and stay with the game.
// And the hall of fame, which a game enters when it ends for good.
#include "market/News.h"
#include "data/HallOfFame.h"
#include "market/NewsWindow.h"
#include "reports/HallOfFameWindow.h"
#include "support/GameFixture.h"

using Market::News::Direction;

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
    const double aldr = stocks()[0].price.toDouble();
    Tick();
    // Its headline's move: ALDR's draw leans down, and the slide's jump of 3 % comes on top.
    const int r = Market::News::TiltedDraw({Direction::Down, 53}, [](int, int hi) { return hi; });
    EXPECT_EQ(stocks()[0].price, dao::Value(money(aldr * Market::PriceFactor(r) / 100 * 0.97)));
    EXPECT_EQ(RawRows(path("stocks.tqs"),
                  "SELECT Symbol, Kind, Direction, \"Moves left\", Headline FROM \"Market News\""),
        QStringList("|news|down|7|Markets slide as interest rates rise")); // as it reads, for another program
    EXPECT_EQ(ed->statusLabel->text(), "Markets slide as interest rates rise");
    EXPECT_EQ(GridRows(*news->grid).value(1).section('|', 1), "Markets slide as interest rates rise");

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
    EXPECT_EQ(f->grid->CurrentRow(), 0);
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
