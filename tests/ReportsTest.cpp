#include "support/GameFixture.h"

using namespace dao;

class ReportsTest : public OpenGameTest {
protected:
    template <class F> F* open(QAction* entry)
    {
        entry->trigger();
        F* f = Forms::IfLoaded<F>();
        EXPECT_NE(f, nullptr);
        EXPECT_TRUE(f == nullptr || f->isVisible()) << "not shown";
        return f;
    }
};

TEST_F(ReportsTest, ThePortfolioValuesEachHoldingPacksTheRowsAndSaysWhenThereIsNone)
{
    Module1::RefreshPortfolio(game());
    Form13* f = Forms::IfLoaded<Form13>();
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(f->isVisible()); // created hidden by the refresh
    EXPECT_EQ(GridRows(*f->MSFlexGrid1), QStringList({"No shares|||"}));
    setPrice("ALDR", 12.5);
    logTrade("ALDR", 10, 50, -500);
    logTrade("BRKW", 10, 20, -200);
    logTrade("ALDR", 10, 50, -500);
    logTrade("BRKW", 10, -20, 200); // sold out: skipped, its row stays empty
    logTrade("GONE", 10, 30, -300); // no longer listed: no price to value it with
    Module1::RefreshPortfolio(game());
    EXPECT_EQ(GridRows(*f->MSFlexGrid1), QStringList({"ALDR|100|12.5|1250", "GONE|30||", "|||"}));
}

TEST_F(ReportsTest, TradesAndTicksKeepThePortfolioCurrent)
{
    trade("ALDR", "100", "Buy");
    Form13* f = Forms::IfLoaded<Form13>();
    ASSERT_NE(f, nullptr); // the trade made it, in the background
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(0, 1), "100");
    ScriptDraws({100});
    Module1::MarketTick(Session::Current().CurrentGame());
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(0, 3), Numbers::PlainText(stocks()[0].price.toDouble() * 100));
    logTrade("BRKW", 1, 7, -7);
    trade("BRKW", "1", "Cover short"); // records nothing, yet rebuilds it
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(1, 1), "7");
}

TEST_F(ReportsTest, TransactionsListEveryTradeWithoutSignsAndFollowTradesWhileShown)
{
    Form11* f = open<Form11>(ed->mnuAnalyzeItem(2));
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(0, 0), "N/A");
    EXPECT_TRUE(f->Label1->text().isEmpty());
    f->close();
    ProcessDeletions();
    setPrice("ALDR", 12.34);
    logTrade("ALDR", 12.5, 100, -1250);
    logTrade("BRKW", 12.5, -40, 500);
    trade("ALDR", "10", "Buy");
    EXPECT_EQ(Forms::IfLoaded<Form11>(), nullptr); // asking whether it is shown does not create it
    f = open<Form11>(ed->mnuAnalyzeItem(2));
    EXPECT_EQ(f->Label1->text(), "3");
    EXPECT_EQ(GridRows(*f->MSFlexGrid1),
        QStringList({"ALDR|12.5|100|1250|Buy", "BRKW|12.5|40|500|Sell", "ALDR|12.34|10|123.4|Buy"}));
    trade("ALDR", "4", "Sell");
    EXPECT_EQ(f->Label1->text(), "4");
    EXPECT_EQ(GridRows(*f->MSFlexGrid1).last(), "ALDR|12.34|4|49.36|Sell");
    logTrade("CINX", 123456.789, 1234567, -152415765279.7263);
    Module1::RefreshTransactions(game());
    FlexGrid* g = f->MSFlexGrid1; // read-only, and wide enough for its text
    EXPECT_EQ(g->editTriggers(), QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < g->Cols(); ++c)
        EXPECT_GE(g->columnWidth(c), g->fontMetrics().horizontalAdvance(g->TextMatrix(4, c))) << c;
    EXPECT_GE(f->width(), g->NeededWidth());
}

TEST_F(ReportsTest, ThePositionListsTheHeldSymbolsPackedAsOfItsOpening)
{
    Form5* f = open<Form5>(ed->mnuAnalyzeItem(1));
    EXPECT_EQ(msgs.texts(), QStringList({"You don't have any stock"}));
    EXPECT_EQ(GridRows(*f->MSFlexGrid1).mid(0, 2), QStringList({"---|", "|"}));
    f->close();
    ProcessDeletions();
    for (const auto& [symbol, units] : {std::pair("ALDR", 100), {"BRKW", 5}, {"BRKW", -5}, {"CINX", 20}})
        logTrade(symbol, 1, units, -units);
    for (int i = 0; i < 17; ++i)
        logTrade(QStringLiteral("S%1").arg(i, 2, 10, QLatin1Char('0')), 1, i + 1, -(i + 1));
    f = open<Form5>(ed->mnuAnalyzeItem(1));
    EXPECT_EQ(GridRows(*f->MSFlexGrid1).mid(0, 3), QStringList({"ALDR|100", "CINX|20", "S00|1"}));
    EXPECT_EQ(f->MSFlexGrid1->Rows(), 19); // grown past its 18 rows
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(18, 0), "S16");
    logTrade("DVLT", 1, 9, -9);
    Module1::MarketTick(Session::Current().CurrentGame());
    EXPECT_EQ(GridRows(*f->MSFlexGrid1).join(';').count("DVLT"), 0);
}
