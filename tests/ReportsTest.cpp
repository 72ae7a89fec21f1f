#include "support/GameFixture.h"

using namespace dao;

using ReportsTest = OpenGameTest;

TEST_F(ReportsTest, ThePortfolioValuesEachHoldingPacksTheRowsAndSaysWhenThereIsNone)
{
    PortfolioWindow* f = &Opened<PortfolioWindow>();
    EXPECT_EQ(GridRows(*f->grid), QStringList({"No shares|||"}));
    setPrice("ALDR", 12.5);
    logTrade("ALDR", 10, 50, -500);
    logTrade("BRKW", 10, 20, -200);
    logTrade("ALDR", 10, 50, -500);
    logTrade("BRKW", 10, -20, 200); // sold out: skipped, its row stays empty
    logTrade("GONE", 10, 30, -300); // no longer listed: no price to value it with
    f->Refresh(*game());
    EXPECT_EQ(GridRows(*f->grid), QStringList({"ALDR|100|12.5|1250", "GONE|30||", "|||"}));
}

TEST_F(ReportsTest, TransactionsListEveryTradeWithoutSignsAndFollowTradesWhileShown)
{
    TransactionsWindow* f = &Opened<TransactionsWindow>();
    EXPECT_EQ(f->grid->CellText(0, 0), "N/A");
    EXPECT_TRUE(f->countLabel->text().isEmpty());
    setPrice("ALDR", 12.34);
    logTrade("ALDR", 12.5, 100, -1250);
    logTrade("BRKW", 12.5, -40, 500);
    trade("ALDR", "10", "Buy"); // the trades logged before it too
    EXPECT_EQ(f->countLabel->text(), "3");
    EXPECT_EQ(GridRows(*f->grid),
        QStringList({"ALDR|12.5|100|1250|Buy", "BRKW|12.5|40|500|Sell", "ALDR|12.34|10|123.4|Buy"}));
    trade("ALDR", "4", "Sell");
    EXPECT_EQ(f->countLabel->text(), "4");
    EXPECT_EQ(GridRows(*f->grid).last(), "ALDR|12.34|4|49.36|Sell");
    logTrade("CINX", 123456.789, 1234567, -152415765279.7263);
    f->Refresh(*game());
    ReportGrid* g = f->grid; // read-only, and wide enough for its text
    EXPECT_EQ(g->editTriggers(), QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < g->Cols(); ++c)
        EXPECT_GE(g->columnWidth(c), g->fontMetrics().horizontalAdvance(g->CellText(4, c))) << c;
    EXPECT_GE(f->width(), g->NeededWidth());
}

TEST_F(ReportsTest, ThePositionListsTheHeldSymbolsPackedAsOfItsOpening)
{
    PositionWindow* f = &Opened<PositionWindow>();
    EXPECT_EQ(msgs.texts(), QStringList({"You don't have any stock"}));
    EXPECT_EQ(GridRows(*f->grid).mid(0, 2), QStringList({"---|", "|"}));
    f->close();
    ProcessDeletions();
    for (const auto& [symbol, units] : {std::pair("ALDR", 100), {"BRKW", 5}, {"BRKW", -5}, {"CINX", 20}})
        logTrade(symbol, 1, units, -units);
    for (int i = 0; i < 17; ++i)
        logTrade(QStringLiteral("S%1").arg(i, 2, 10, QLatin1Char('0')), 1, i + 1, -(i + 1));
    f = &Opened<PositionWindow>();
    EXPECT_EQ(GridRows(*f->grid).mid(0, 3), QStringList({"ALDR|100", "CINX|20", "S00|1"}));
    EXPECT_EQ(f->grid->Rows(), 19); // grown past its 18 rows
    EXPECT_EQ(f->grid->CellText(18, 0), "S16");
    logTrade("DVLT", 1, 9, -9);
    Tick();
    EXPECT_EQ(GridRows(*f->grid).join(';').count("DVLT"), 0);
}
