#include "market/Clock.h"
#include "app/kit/Exchange.h"
#include "app/kit/Module1.h"
#include "app/kit/VbTimer.h"
#include "support/GameFixture.h"
#include <QLabel>
#include <QLocale>

namespace {

class ClockTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        startGame("Clara");
    }
    QTime shown() const { return Exchange::ShownTimeOfDay().value_or(QTime()); }
};

TEST_F(ClockTest, FirstTickShowsNineOhOneOfTheBaseDate)
{
    EXPECT_TRUE(ed->Label1->text().isEmpty());
    EXPECT_FALSE(Exchange::ShownTimeOfDay());
    ed->clockTime = at(5, 13, 0); // a previous game's time is forgotten
    Module1::AdvanceClock();
    EXPECT_EQ(ed->clockTime, at(0, 9, 1));
    EXPECT_EQ(ed->Label1->text(), Market::ClockText(at(0, 9, 1)));
    EXPECT_TRUE(ed->Label1->text().contains(QLocale().toString(QTime(9, 1), "mm:ss")));
    EXPECT_EQ(ed->Label2->text(), QLocale().dayName(ed->baseDate.dayOfWeek()));
    EXPECT_EQ(shown(), QTime(9, 1));
    EXPECT_TRUE(ed->Timer2->isRunning());
    EXPECT_EQ(ed->Timer2->interval(), 10000);
}

TEST_F(ClockTest, AWholeDayOpensClosesAndJumpsTheNight)
{
    ScriptDraws({60});
    Module1::MarketTick(); // some volume and an intraday price to clear in the evening
    const auto before = stocks();

    struct Step {
        int h, m;
        bool market;
    } steps[] = {{8, 59, false}, {9, 0, true}, {9, 1, true}, {15, 59, true}, {16, 0, false}, {16, 1, false}};
    for (const Step& s : steps) {
        setClock(at(0, s.h, s.m).addSecs(-60));
        Module1::AdvanceClock();
        SCOPED_TRACE(QString("%1:%2").arg(s.h).arg(s.m).toStdString());
        EXPECT_EQ(shown(), QTime(s.h, s.m));
        EXPECT_EQ(ed->Timer2->isRunning(), s.market);
    }
    // The close reset the volumes and the intraday prices, not the range.
    const auto evening = stocks();
    for (size_t i = 0; i < evening.size(); ++i) {
        EXPECT_EQ(evening[i].volume, dao::Value(0.0));
        EXPECT_EQ(evening[i].dayRows, 0);
        EXPECT_EQ(evening[i].min, before[i].min);
        EXPECT_EQ(evening[i].max, before[i].max);
        EXPECT_EQ(evening[i].price, before[i].price);
        EXPECT_EQ(evening[i].historyRows, before[i].historyRows);
    }

    setClock(at(0, 16, 59));
    Module1::AdvanceClock(); // 17:00: shown, then the clock jumps to 09:00 of the next day
    EXPECT_EQ(shown(), QTime(17, 0));
    EXPECT_EQ(ed->Label1->text(), Market::ClockText(at(0, 17, 0)));
    EXPECT_EQ(ed->clockTime, at(1, 9, 0));
    EXPECT_FALSE(ed->Timer2->isRunning());
    EXPECT_TRUE(ed->Label1->isVisibleTo(ed));
    Module1::AdvanceClock();
    EXPECT_EQ(ed->Label1->text(), Market::ClockText(at(1, 9, 1)));
    EXPECT_EQ(ed->Label2->text(), QLocale().dayName(ed->baseDate.addDays(1).dayOfWeek()));
    EXPECT_TRUE(ed->Timer2->isRunning());
}

TEST_F(ClockTest, EveryWeekdayIsATradingDay)
{
    QSet<QString> names;
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
    const auto before = stocks();
    {
        // The last stock's intraday table is missing: the evening reset fails as a whole.
        dao::Database db = market();
        dao::Transaction tx = db.beginTransaction();
        dao::Recordset rs = db.openTable("Stocks Information");
        rs.moveLast();
        const QString last = rs.field("stocksymbol").asText();
        rs.edit();
        rs.setField("stocksymbol", last + "X");
        rs.update();
        tx.commit();
    }
    EXPECT_THROW(Module1::StartNewTradingDay(), dao::Error);
    const auto after = stocks();
    for (size_t i = 0; i + 1 < after.size(); ++i) {
        EXPECT_EQ(after[i].volume, before[i].volume);
        EXPECT_EQ(after[i].dayRows, 1);
    }
    // From the clock it is reported, once, and the clock goes on.
    setClock(at(0, 16, 0));
    Module1::AdvanceClock();
    Module1::AdvanceClock();
    ASSERT_EQ(msgs.messages.size(), 1u);
    EXPECT_TRUE(msgs.messages[0].text.startsWith("The new trading day could not be prepared"));
    EXPECT_EQ(shown(), QTime(16, 2));
}

} // namespace
