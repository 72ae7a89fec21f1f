#include "support/GameFixture.h"

TEST_F(AppFolderTest, TheStarterMarketKeepsEveryInvariantOfTheMarketAndIsTheSameFromItsSeed)
{
    const QString file = path("stocks.tqs");
    const QStringList symbols = RawRows(file, "SELECT stocksymbol FROM \"Stocks Information\"");
    EXPECT_GE(symbols.size(), 12);
    for (const QString& s : symbols)
        EXPECT_EQ(
            RawRows(file,
                QString("SELECT (SELECT count(*) FROM \"%1\") = %2 AND (SELECT count(*) FROM \"%1DAY\") = 0 AND "
                        "(SELECT Price FROM \"%1\" ORDER BY rowid DESC LIMIT 1) = \"Stockcurrent Price\" AND "
                        "Min <= \"Stockcurrent Price\" AND \"Stockcurrent Price\" <= Max AND "
                        "(SELECT [Min Of Price] FROM \"%1Q\") > 0 FROM \"Stocks Information\" WHERE stocksymbol = '%1'")
                    .arg(s)
                    .arg(StarterMarket::kHistoryRows)),
            QStringList("1"))
            << s.toStdString();
    StarterMarket::Build(path("a.tqs"));
    StarterMarket::Build(path("b.tqs"));
    const QString prices = "SELECT \"Stockcurrent Price\" FROM \"Stocks Information\"";
    EXPECT_EQ(RawRows(path("a.tqs"), prices), RawRows(path("b.tqs"), prices));
    EXPECT_THROW(StarterMarket::Build(path("a.tqs")), dao::Error);
}
