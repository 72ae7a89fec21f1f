#include "support/GameFixture.h"

using namespace dao;

using MarketTickTest = OpenGameTest; // what the market remembers, it remembers of a game

TEST_F(MarketTickTest, MovesEveryStockByItsDrawsFactorAndVolumeStepKeepingTheDaysRange)
{
    setFields("ALDR", {{"Stockcurrent Price", 20}, {"Volume", 300}});
    setFields("BRKW", {{"Stockcurrent Price", 50}, {"Volume", 0}});
    ScriptDraws({97, 12});
    Tick();
    const auto after = stocks();
    // 20 by 102.505 % is 20.501, and 97 by 100 more volume; 50 by 97.9 % is 48.95, and 12 by 1000 more.
    EXPECT_EQ(QList<double>({after[0].price.toDouble(), after[0].volume.toDouble(), after[1].price.toDouble(),
                  after[1].volume.toDouble()}),
        QList<double>({20.501, 10000, 48.95, 12000}));
    for (const Stock& s : after) {
        SCOPED_TRACE(s.symbol.toStdString());
        EXPECT_EQ(s.historyRows, 201);
        EXPECT_EQ(s.dayRows, 1);
        EXPECT_EQ(std::pair(s.min, s.max), std::pair(s.price, s.price)); // the day's first tick
        Recordset h = market().openTable(s.symbol);
        h.moveLast();
        EXPECT_EQ(h.field("Price"), s.price);
    }
    ScriptDraws({1}); // a fall: the range keeps the earlier, higher price of the day
    Tick();
    const Stock s = stocks()[0];
    EXPECT_EQ(s.dayRows, 2);
    EXPECT_EQ(std::pair(s.min, s.max), std::pair(s.price, after[0].price));
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(MarketTickTest, HistoryDropsTheOldestAtFullSizeAndGrowsBelowIt)
{
    RawRows(path("stocks.tqs"), "DELETE FROM BRKW WHERE rowid <= 51");
    const QString second = RawRows(path("stocks.tqs"), "SELECT Price FROM ALDR LIMIT 1 OFFSET 1").value(0);
    ScriptDraws({55});
    Tick();
    EXPECT_EQ(stocks()[0].historyRows, 201);
    EXPECT_EQ(stocks()[1].historyRows, 151);
    EXPECT_EQ(RawRows(path("stocks.tqs"), "SELECT Price FROM ALDR LIMIT 1").value(0), second); // the oldest went
    for (int i = 0; i < 60; ++i)
        Tick();
    EXPECT_EQ(stocks()[1].historyRows, 200);
    RawRows(path("stocks.tqs"), "DELETE FROM \"Stocks Information\""); // an empty market: nothing moves
    Tick();
    EXPECT_EQ(market().openTable("ALDRDAY").recordCount(), 61);
    EXPECT_TRUE(msgs.messages.empty());
}
