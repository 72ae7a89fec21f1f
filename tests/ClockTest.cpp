#include "support/GameFixture.h"

class ClockTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        startGame("Clara");
    }
    QTime shown() const { return Exchange::ShownTimeOfDay().value_or(QTime()); }
};

TEST_F(ClockTest, ADayOpensAtNineClosesAtFourResetsTheDayAndJumpsTheNight)
{
    EXPECT_FALSE(Exchange::ShownTimeOfDay());
    Module1::AdvanceClock();
    EXPECT_EQ(ed->Label1->text(), Market::ClockText(at(0, 9, 1)));
    EXPECT_EQ(ed->Label2->text(), QLocale().dayName(Session::Current().BaseDate().dayOfWeek()));
    EXPECT_EQ(ed->Timer2->interval(), 10000);
    ScriptDraws({60});
    Module1::MarketTick(); // some volume and an intraday price to clear in the evening
    const auto before = stocks();
    const std::pair<QTime, bool> steps[] = {{QTime(8, 59), false}, {QTime(9, 0), true}, {QTime(15, 59), true},
        {QTime(16, 0), false}, {QTime(16, 1), false}};
    for (const auto& [t, market] : steps) {
        SCOPED_TRACE(t.toString().toStdString());
        setClock(dao::naiveDateTime(Session::Current().BaseDate(), t).addSecs(-60));
        Module1::AdvanceClock();
        EXPECT_EQ(shown(), t);
        EXPECT_EQ(ed->Timer2->isRunning(), market);
    }
    const auto evening = stocks(); // the volumes and the intraday prices go, not the range
    for (size_t i = 0; i < evening.size(); ++i) {
        SCOPED_TRACE(evening[i].symbol.toStdString());
        EXPECT_EQ(evening[i].volume, dao::Value(0.0));
        EXPECT_EQ(evening[i].dayRows, 0);
        EXPECT_EQ(std::tie(evening[i].price, evening[i].min, evening[i].max),
            std::tie(before[i].price, before[i].min, before[i].max));
    }
    setClock(at(0, 16, 59));
    Module1::AdvanceClock(); // 17:00 is shown until the next minute, 09:01 of the next day
    EXPECT_EQ(shown(), QTime(17, 0));
    Module1::AdvanceClock();
    EXPECT_EQ(ed->Label1->text(), Market::ClockText(at(1, 9, 1)));
    EXPECT_TRUE(ed->Timer2->isRunning());
    QSet<QString> names; // every day of the week trades
    for (int d = 0; d < 7; ++d) {
        setClock(at(d, 9, 59));
        Module1::AdvanceClock();
        EXPECT_TRUE(ed->Timer2->isRunning()) << d;
        names.insert(ed->Label2->text());
    }
    EXPECT_EQ(names.size(), 7);
}

TEST_F(ClockTest, StartNewTradingDayIsOneUnitOverAllStocks)
{
    ScriptDraws({30});
    Module1::MarketTick();
    // The last stock's intraday table is missing: the evening reset fails as a whole.
    RawRows(path("stocks.tqs"),
        "UPDATE \"Stocks Information\" SET stocksymbol = stocksymbol || 'X' "
        "WHERE rowid = (SELECT max(rowid) FROM \"Stocks Information\")");
    const auto before = stocks();
    EXPECT_THROW(Module1::StartNewTradingDay(), dao::Error);
    EXPECT_EQ(stocks(), before);
}

TEST_F(ClockTest, ADayTheEveningCouldNotPrepareIsPreparedOnceThereIsRoomAndNoTickRunsOnTheDayBefore)
{
    ScriptDraws({30});
    setClock(at(0, 10, 0));
    Module1::MarketTick(); // today's volume and intraday price
    const auto before = stocks();
    {
        FullDisk full(0);
        setClock(at(0, 15, 59));
        for (int minute = 0; minute < 63; ++minute) // the evening, the night jump, 09:01 and 09:02
            Module1::AdvanceClock();
        EXPECT_EQ(shown(), QTime(9, 2));
        Module1::MarketTick(); // the next day's tick waits for its day
    }
    EXPECT_TRUE(msgs.texts().value(0).startsWith("The new trading day could not be prepared: the disk that holds "));
    EXPECT_EQ(stocks(), before); // nothing moved on the day before's figures
    Module1::AdvanceClock(); // room again: the next minute prepares the day
    Module1::MarketTick();
    for (const auto& s : stocks()) { // the day's figures are the new day's alone
        SCOPED_TRACE(s.symbol.toStdString());
        EXPECT_EQ(s.volume.toDouble(), 30 * 1000);
        EXPECT_EQ(s.dayRows, 1);
        EXPECT_EQ(std::pair(s.min, s.max), std::pair(s.price, s.price));
    }
    EXPECT_EQ(msgs.texts().size(), 1); // told once
}
