#include "support/GameFixture.h"

using namespace dao;

TEST_F(AppFolderTest, TheStarterMarketKeepsEveryInvariantOfTheMarketAndIsTheSameFromItsSeed)
{
    Database db = Database::open(path("stocks.tqs"));
    Recordset rs = db.openTable("Stocks Information");
    EXPECT_GE(rs.recordCount(), 12);
    for (int i = 0, n = rs.recordCount(); i < n; ++i, rs.moveNext()) {
        const QString s = rs.field("stocksymbol").asText();
        SCOPED_TRACE(s.toStdString());
        EXPECT_TRUE(isPlainIdentifier(s) && !rs.field("stockname").asText().isEmpty());
        EXPECT_EQ(db.querySql(s + "QDAY"), MarketSchema::RangeQuerySql(s + "DAY"));
        EXPECT_EQ(db.openTable(s + "DAY").recordCount(), 0);
        Recordset h = db.openTable(s);
        ASSERT_EQ(h.recordCount(), StarterMarket::kHistoryRows);
        h.moveLast();
        EXPECT_EQ(rs.field("Stockcurrent Price"), h.field("Price"));
        EXPECT_GT(db.openSnapshot(s + "Q").field("Min Of Price").asCurrency(), Currency());
        EXPECT_TRUE(rs.field("Min").asCurrency() <= rs.field("Stockcurrent Price").asCurrency() &&
            rs.field("Max").asCurrency() >= rs.field("Stockcurrent Price").asCurrency());
    }
    StarterMarket::Build(path("a.tqs"));
    StarterMarket::Build(path("b.tqs"));
    const QString prices = "SELECT \"Stockcurrent Price\" FROM \"Stocks Information\"";
    EXPECT_EQ(RawRows(path("a.tqs"), prices), RawRows(path("b.tqs"), prices));
    EXPECT_THROW(StarterMarket::Build(path("a.tqs")), Error);
}
