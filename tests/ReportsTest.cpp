#include "app/kit/FlexGrid.h"
#include "app/kit/Module1.h"
#include "app/kit/Numbers.h"
#include "reports/Form11.h"
#include "reports/Form13.h"
#include "reports/Form5.h"
#include "support/GameFixture.h"
#include "trading/Form1.h"
#include "trading/Form3.h"
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace dao;

namespace {

class ReportsTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        startGame("Trader");
        setClock(at(0, 10, 0));
    }
    /// A trade at the desk: the stock chosen from the list, units typed, Enter.
    void tradeAtDesk(const QString& symbol, const QString& units, bool buy)
    {
        ed->mnuAssetitem(0)->trigger();
        Form1* desk = Forms::IfLoaded<Form1>();
        ASSERT_NE(desk, nullptr);
        desk->Combo1->setCurrentIndex(desk->Combo1->findText(symbol) - 1);
        QTest::keyClick(desk->Combo1, Qt::Key_Down);
        desk->quantity->clear();
        QTest::keyClicks(desk->quantity, units);
        QTest::mouseClick(buy ? desk->optBuybutton : desk->optSellButton, Qt::LeftButton);
        QTest::mouseClick(desk->Command2, Qt::LeftButton);
    }
    template <class F> F* open(QAction* entry)
    {
        entry->trigger();
        F* f = Forms::IfLoaded<F>();
        EXPECT_TRUE(f && f->isVisible());
        return f;
    }
    Form5* openPosition() { return open<Form5>(ed->mnuAnalyzeItem(1)); }
    Form11* openTransactions() { return open<Form11>(ed->mnuAnalyzeItem(2)); }
    Form13* openPortfolio()
    {
        Form3* balance = open<Form3>(ed->mnuAnalyzeItem(0));
        QTest::mouseClick(balance->Command1, Qt::LeftButton);
        return Forms::IfLoaded<Form13>();
    }
};

TEST_F(ReportsTest, PortfolioValuesEachHoldingAndPacksTheRows)
{
    setPrice("ALDR", 12.5);
    logTrade("ALDR", 10, 50, -500);
    logTrade("BRKW", 10, 20, -200);
    logTrade("ALDR", 10, 50, -500);
    logTrade("BRKW", 10, -20, 200); // sold out: skipped, its row stays empty
    logTrade("GONE", 10, 30, -300); // no longer listed: no price to value it with
    Form13* f = openPortfolio();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Portfolio");
    EXPECT_EQ(GridRows(*f->MSFlexGrid1), QStringList({"ALDR|100|12.5|1250", "GONE|30||", "|||"}));
    EXPECT_TRUE(Module1::LastValue.isNull());
}

TEST_F(ReportsTest, PortfolioWithoutSharesSaysSoInOneRow)
{
    Module1::RefreshPortfolio();
    Form13* f = Forms::IfLoaded<Form13>();
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(f->isVisible()); // created hidden by the refresh
    EXPECT_EQ(GridRows(*f->MSFlexGrid1), QStringList({"No shares|||"}));
    logTrade("ALDR", 10, 5, -50);
    logTrade("ALDR", 10, -5, 50);
    Module1::RefreshPortfolio();
    EXPECT_EQ(GridRows(*f->MSFlexGrid1), QStringList({"No shares|||"}));
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(ReportsTest, TradesAndTicksKeepThePortfolioCurrent)
{
    tradeAtDesk("ALDR", "100", true);
    Form13* hidden = Forms::IfLoaded<Form13>();
    ASSERT_NE(hidden, nullptr); // the trade made it, in the background
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_EQ(hidden->MSFlexGrid1->TextMatrix(0, 1), "100");

    Form13* f = openPortfolio();
    ScriptDraws({100});
    Module1::MarketTick();
    const QString price = Numbers::PlainText(stocks()[0].price);
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(0, 2), price);
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(0, 3), Numbers::PlainText(stocks()[0].price.toDouble() * 100));

    // The short types record nothing, yet rebuild it.
    logTrade("BRKW", 1, 7, -7);
    ed->mnuAssetitem(0)->trigger();
    Form1* desk = Forms::IfLoaded<Form1>();
    QTest::mouseClick(desk->Covshort, Qt::LeftButton);
    QTest::mouseClick(desk->Command2, Qt::LeftButton);
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(1, 1), "7");
}

TEST_F(ReportsTest, TransactionsOfANewGame)
{
    Form11* f = openTransactions();
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(0, 0), "N/A");
    EXPECT_EQ(f->MSFlexGrid1->Rows(), 10);
    EXPECT_TRUE(f->Label1->text().isEmpty());
    EXPECT_EQ(f->Label2->text(), "Transactions");
    EXPECT_TRUE(f->Label2->font().bold());
}

TEST_F(ReportsTest, TransactionsListEveryTradeWithoutSigns)
{
    logTrade("ALDR", 12.5, 100, -1250);
    logTrade("BRKW", 12.5, -40, 500);
    logTrade("CINX", 0.0001, 3, -0.0003);
    Form11* f = openTransactions();
    EXPECT_EQ(f->Label1->text(), "3");
    EXPECT_EQ(GridRows(*f->MSFlexGrid1),
        QStringList({"ALDR|12.5|100|1250|Buy", "BRKW|12.5|40|500|Sell", "CINX|0.0001|3|0.0003|Buy"}));
}

TEST_F(ReportsTest, ATradeShowsInOpenTransactionsAtOnceAndClosedOnesStayClosed)
{
    tradeAtDesk("ALDR", "10", true);
    EXPECT_EQ(Forms::IfLoaded<Form11>(), nullptr); // asking whether it is shown does not create it
    Form11* f = openTransactions();
    EXPECT_EQ(f->MSFlexGrid1->Rows(), 1);
    tradeAtDesk("ALDR", "4", false);
    EXPECT_EQ(f->Label1->text(), "2");
    EXPECT_EQ(f->MSFlexGrid1->Rows(), 2);
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(1, 4), "Sell");
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(1, 2), "4");
}

TEST_F(ReportsTest, PositionOfANewGameSaysSoOnce)
{
    Form5* f = openPosition();
    EXPECT_EQ(msgs.texts(), QStringList({"You don't have any stock"}));
    EXPECT_EQ(msgs.messages[0].caption, "Varnel Ticora");
    QStringList expected(18, "|");
    expected[0] = "---|";
    EXPECT_EQ(GridRows(*f->MSFlexGrid1), expected);
}

TEST_F(ReportsTest, PositionListsTheHeldSymbolsPackedAndIsNotRefreshedWhileOpen)
{
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, int>> trades;
        QStringList firstRows;
    };
    const Case cases[] = {
        {"100/0/20", {{"ALDR", 100}, {"BRKW", 5}, {"BRKW", -5}, {"CINX", 20}}, {"ALDR|100", "CINX|20", "|"}},
        {"all sold", {{"ALDR", 5}, {"ALDR", -5}}, {"|", "|"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            Database g = Database::open(path("Trader.sav"));
            Recordset rs = g.openTable("Traderesult");
            while (rs.recordCount()) {
                rs.moveFirst();
                rs.deleteCurrent();
            }
        }
        for (const auto& [symbol, units] : c.trades)
            logTrade(symbol, 1, units, -units);
        Form5* f = openPosition();
        EXPECT_EQ(GridRows(*f->MSFlexGrid1).mid(0, int(c.firstRows.size())), c.firstRows);
        EXPECT_EQ(f->MSFlexGrid1->Rows(), 18);
        logTrade("DVLT", 1, 9, -9);
        Module1::MarketTick();
        EXPECT_EQ(GridRows(*f->MSFlexGrid1).join(';').count("DVLT"), 0);
        f->close();
        ProcessDeletions();
    }
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(ReportsTest, PositionGrowsForMoreSymbolsThanItsRows)
{
    for (int i = 0; i < 19; ++i)
        logTrade(QStringLiteral("S%1").arg(i, 2, 10, QLatin1Char('0')), 1, i + 1, -(i + 1));
    Form5* f = openPosition();
    EXPECT_EQ(f->MSFlexGrid1->Rows(), 19);
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(18, 0), "S18");
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(18, 1), "19");
}

TEST_F(ReportsTest, AMissingGameFileIsSaidInTheWindowsNotByAMessageEachTick)
{
    Form13* f = openPortfolio();
    logTrade("ALDR", 1, 3, -3);
    Module1::RefreshPortfolio();
    dao::releaseAll();
    ASSERT_TRUE(QFile::remove(path("Trader.sav")));
    Module1::MarketTick();
    Module1::MarketTick();
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(0, 1), "3"); // the last portfolio stays
    EXPECT_TRUE(f->lblNote->isVisibleTo(f));
    EXPECT_TRUE(f->lblNote->text().startsWith("The portfolio cannot be worked out"));
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(ReportsTest, GridsAreReadOnlyNamedAndWideEnoughForTheirText)
{
    logTrade("ALDR", 123456.789, 1234567, -152415765279.7263);
    Form11* f = openTransactions();
    FlexGrid* g = f->MSFlexGrid1;
    EXPECT_EQ(g->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(g->accessibleName(), "Transactions");
    for (int c = 0; c < g->Cols(); ++c)
        EXPECT_GE(g->columnWidth(c), g->fontMetrics().horizontalAdvance(g->TextMatrix(0, c))) << c;
    EXPECT_GE(f->width(), g->NeededWidth());
    g->setFocus();
    g->setCurrentCell(0, 0);
    QTest::keyClick(g, Qt::Key_Right);
    EXPECT_EQ(g->currentColumn(), 1);
}

} // namespace
