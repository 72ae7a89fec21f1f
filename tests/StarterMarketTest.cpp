#include "market/StarterMarket.h"
#include "data/MarketSchema.h"
#include "data/dao/Dao.h"
#include "market/PriceFactor.h"
#include "support/Fixtures.h"
#include <QSet>
#include <cmath>

using namespace dao;

TEST_F(AppFolderTest, StarterMarketKeepsEveryInvariantOfTheMarket)
{
    Database db = Database::open(path("stocks.tqs"));
    Recordset rs = db.openTable("Stocks Information");
    const int n = rs.recordCount();
    EXPECT_GE(n, 12);
    QSet<QString> symbols;
    for (int i = 0; i < n; ++i, rs.moveNext()) {
        const QString s = rs.field("stocksymbol").asText();
        SCOPED_TRACE(s.toStdString());
        EXPECT_TRUE(isPlainIdentifier(s));
        EXPECT_FALSE(symbols.contains(s.toLower()));
        symbols.insert(s.toLower());
        EXPECT_FALSE(rs.field("stockname").asText().isEmpty());
        for (const char* suffix : {"", "DAY"})
            EXPECT_TRUE(db.hasTable(s + suffix));
        EXPECT_EQ(db.querySql(s + "Q"), MarketSchema::RangeQuerySql(s));
        EXPECT_EQ(db.querySql(s + "QDAY"), MarketSchema::RangeQuerySql(s + "DAY"));
        EXPECT_EQ(db.openTable(s + "DAY").recordCount(), 0);

        Recordset h = db.openTable(s);
        ASSERT_EQ(h.recordCount(), StarterMarket::kHistoryRows);
        // Each step of the history is one of the market's own price factors.
        std::set<double> factors;
        for (int r = 1; r <= 100; ++r)
            factors.insert(Market::PriceFactor(r));
        double prev = h.field("Price").toDouble();
        for (int k = 1; k < StarterMarket::kHistoryRows; ++k) {
            h.moveNext();
            const double p = h.field("Price").toDouble();
            const double pct = p / prev * 100;
            const bool known = std::any_of(factors.begin(), factors.end(),
                [&](double f) { return std::fabs(f - pct) < 0.0001 / prev * 100 + 1e-9; });
            EXPECT_TRUE(known) << "step " << k << ": " << pct;
            prev = p;
        }
        EXPECT_EQ(rs.field("Stockcurrent Price"), h.field("Price"));
        const Value range = db.openSnapshot(s + "Q").field("Min Of Price");
        EXPECT_GT(range.asCurrency(), Currency());
        EXPECT_LE(rs.field("Min").asCurrency(), rs.field("Stockcurrent Price").asCurrency());
        EXPECT_GE(rs.field("Max").asCurrency(), rs.field("Stockcurrent Price").asCurrency());
    }
    EXPECT_FALSE(symbols.contains("stocks information"));
}

TEST_F(AppFolderTest, StarterMarketIsTheSameFromTheSameSeed)
{
    StarterMarket::Build(path("a.tqs"));
    StarterMarket::Build(path("b.tqs"));
    Database a = Database::open(path("a.tqs"));
    Database b = Database::open(path("b.tqs"));
    Recordset ra = a.openSnapshot("Stocks Information"), rb = b.openSnapshot("Stocks Information");
    ASSERT_EQ(ra.recordCount(), rb.recordCount());
    for (int i = 0; i < ra.recordCount(); ++i, ra.moveNext(), rb.moveNext())
        EXPECT_EQ(ra.field("Stockcurrent Price"), rb.field("Stockcurrent Price"));
    EXPECT_THROW(StarterMarket::Build(path("a.tqs")), Error);
}
