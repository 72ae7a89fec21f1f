#include "app/kit/Module1.h"
#include "data/MarketSchema.h"
#include "market/PriceFactor.h"
#include "support/GameFixture.h"
#include <cmath>

using namespace dao;

namespace {

using MarketTickTest = GameTest;

TEST_F(MarketTickTest, MovesEveryStockByItsDrawsFactorAndVolumeStep)
{
    const std::vector<int> draws = {97, 12, 50, 65, 100, 1, 49, 64, 70, 89, 95, 10, 45, 30};
    ScriptDraws(draws);
    const auto before = stocks();
    Module1::MarketTick();
    const auto after = stocks();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        const int r = draws[i % draws.size()];
        SCOPED_TRACE(after[i].symbol.toStdString() + " r=" + std::to_string(r));
        const double expected = before[i].price.toDouble() * Market::PriceFactor(r) / 100;
        EXPECT_EQ(after[i].price, Value(Currency::fromDouble(expected)));
        EXPECT_EQ(after[i].volume.toDouble(), before[i].volume.toDouble() + r * Market::VolumeStep(r));
        EXPECT_EQ(after[i].historyRows, 201);
        EXPECT_EQ(after[i].dayRows, 1);
        // The first tick of a day: the range is the new price alone.
        EXPECT_EQ(after[i].min, after[i].price);
        EXPECT_EQ(after[i].max, after[i].price);
        Database db = market();
        Recordset h = db.openTable(after[i].symbol);
        h.moveLast();
        EXPECT_EQ(h.field("Price"), after[i].price);
    }
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(MarketTickTest, HistoryDropsTheOldestAtFullSizeAndGrowsBelowIt)
{
    {
        Database db = market();
        Recordset h = db.openTable("BRKW");
        for (int i = 0; i < 51; ++i) {
            h.deleteCurrent();
            h.moveNext();
        }
    }
    Database db = market();
    Recordset aldr = db.openTable("ALDR");
    const Value second = (aldr.moveNext(), aldr.field("Price"));
    db.close();
    ScriptDraws({55});
    Module1::MarketTick();
    const auto s = stocks();
    EXPECT_EQ(s[0].historyRows, 201);
    EXPECT_EQ(s[1].historyRows, 151);
    EXPECT_EQ(market().openTable("ALDR").field("Price"), second); // the oldest went first
    for (int i = 0; i < 60; ++i)
        Module1::MarketTick();
    EXPECT_EQ(stocks()[1].historyRows, 200);
}

TEST_F(MarketTickTest, RangeIncludesEarlierIntradayPrices)
{
    ScriptDraws({100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100});
    const Value start = stocks()[0].price;
    Module1::MarketTick();
    ScriptDraws({1});
    Module1::MarketTick();
    const auto s = stocks()[0];
    EXPECT_EQ(s.dayRows, 2);
    EXPECT_EQ(s.min, s.price);
    EXPECT_EQ(s.max, Value(Currency::fromDouble(start.toDouble() * 1.02505)));
}

TEST_F(MarketTickTest, AZeroPriceShowsItsThreeMessagesAfterTheTickIsStored)
{
    setPrice("CINX", 0);
    setPrice("EMBR", 0);
    ScriptDraws({97});
    int nested = 0;
    bool writable = true;
    Ui::SetMsgBoxHandler([&](const Ui::MsgBoxRequest& r) {
        msgs.messages.push_back({r.text, r.caption, r.icon, r.buttons, r.defaultSecond});
        // While the box waits: no tick starts, and no transaction holds the market.
        Module1::MarketTick();
        ++nested;
        try {
            Database db = market();
            Transaction tx = db.beginTransaction();
            tx.commit();
        } catch (const Error&) {
            writable = false;
        }
        return Ui::Answer::OK;
    });
    Module1::MarketTick();
    EXPECT_EQ(msgs.texts(), QStringList({"0", "102.505", "97", "0", "102.505", "97"}));
    EXPECT_EQ(msgs.messages[0].caption, "Varnel Ticora");
    EXPECT_EQ(nested, 6);
    EXPECT_TRUE(writable);
    const auto s = stocks();
    EXPECT_EQ(s[2].price, Value(Currency()));
    EXPECT_EQ(s[2].dayRows, 1); // one tick, not seven
    EXPECT_EQ(s[0].dayRows, 1);
}

TEST_F(MarketTickTest, AnEmptyMarketChangesNothing)
{
    {
        Database db = market();
        Recordset rs = db.openTable("Stocks Information");
        while (!rs.eof()) {
            rs.deleteCurrent();
            rs.moveNext();
        }
    }
    Module1::MarketTick();
    EXPECT_TRUE(stocks().empty());
    EXPECT_EQ(market().openTable("ALDRDAY").recordCount(), 0);
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(MarketTickTest, ATickThatFailsHalfWayLeavesTheMarketAsItWas)
{
    {
        Database db = market();
        Recordset rs = db.openTable("Stocks Information");
        for (int i = 0; i < 5; ++i)
            rs.moveNext();
        rs.edit();
        rs.setField("stocksymbol", "GONE"); // no such tables
        rs.update();
    }
    const auto before = stocks();
    ScriptDraws({80});
    int nested = 0;
    Ui::SetMsgBoxHandler([&](const Ui::MsgBoxRequest& r) {
        msgs.messages.push_back({r.text, r.caption, r.icon, r.buttons, r.defaultSecond});
        if (nested++ == 0)
            Module1::MarketTick(); // the timer fires while the message waits: no second tick
        return Ui::Answer::OK;
    });
    Module1::MarketTick();
    ASSERT_EQ(msgs.messages.size(), 1u);
    EXPECT_TRUE(msgs.messages[0].text.startsWith("The market could not move"));
    const auto after = stocks();
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].price, before[i].price) << i;
        EXPECT_EQ(after[i].volume, before[i].volume) << i;
        EXPECT_EQ(after[i].dayRows, before[i].dayRows) << i;
    }
}

} // namespace
