// How the player is doing: the worth after every tick, and the gain on every
// stock by the average-cost rule.
#include "reports/Gains.h"
#include "reports/WorthChart.h"
#include "reports/PerformanceWindow.h"
#include "support/GameFixture.h"

using dao::Currency;

struct GainsCase {
    const char* name;
    std::vector<Gains::Trade> log;
    int64_t units;
    std::optional<double> average;
    double realised;
};

class GainsRuleTest : public ::testing::TestWithParam<GainsCase> { };

TEST_P(GainsRuleTest, AveragePaidAndRealisedGain)
{
    const GainsCase& c = GetParam();
    const std::vector<Gains::Stock> stocks = Gains::Apply(c.log);
    ASSERT_EQ(stocks.size(), 1u);
    EXPECT_EQ(stocks[0].units, c.units);
    EXPECT_EQ(stocks[0].AveragePaid(), c.average ? std::optional(money(*c.average)) : std::nullopt);
    EXPECT_EQ(stocks[0].realised, money(c.realised));
}

INSTANTIATE_TEST_SUITE_P(Worked, GainsRuleTest,
    ::testing::Values(GainsCase{"TwoPurchasesThenASale",
                          {{"A", money(20), 10}, {"A", money(30), 10}, {"A", money(40), -5}}, 15, 25, 75},
        GainsCase{"SoldOutKeepsItsGain", {{"A", money(20), 10}, {"A", money(18.5), -10}}, 0, std::nullopt, -15},
        GainsCase{
            "AnAverageOfThirds", {{"A", money(1), 1}, {"A", money(2), 2}, {"A", money(3), -1}}, 2, 1.6667, 1.3333},
        GainsCase{"ASaleBeyondTheLongStartsAShortAtItsPrice", {{"A", money(10), 5}, {"A", money(12), -8}}, -3, 12, 10},
        GainsCase{"ShortsAveragedAndCoveredInPart", {{"A", money(20), -10}, {"A", money(30), -10}, {"A", money(10), 5}},
            -15, 25, 75},
        GainsCase{
            "APurchaseBeyondTheShortStartsALongAtItsPrice", {{"A", money(20), -10}, {"A", money(15), 15}}, 5, 15, 50}),
    [](const auto& info) { return std::string(info.param.name); });

using PerformanceTest = OpenGameTest;

TEST_F(PerformanceTest, EachTickRecordsTheWorthBalanceShowsAndTheGridGivesEveryStocksGain)
{
    setPrice("ALDR", 20);
    trade("ALDR", "10", "Buy");
    setPrice("ALDR", 30);
    trade("ALDR", "10", "Buy");
    setPrice("ALDR", 40);
    trade("ALDR", "5", "Sell");
    setPrice("BRKW", 5);
    trade("BRKW", "2", "Buy");
    trade("BRKW", "2", "Sell");
    setPrice("CINX", 50);
    trade("CINX", "4", "Sell short");
    setPrice("CINX", 40); // a short gains what the price fell
    ed->performanceAction->trigger();
    PerformanceWindow* f = Forms::IfLoaded<PerformanceWindow>();
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(f->isModal());
    EXPECT_EQ(GridRows(*f->grid),
        QStringList({"Symbol|Units|Average paid|Price|Value|Gain|Realised", "ALDR|15|25|40|600|225|75", "BRKW|0||5|||0",
            "CINX|-4|50|40|-160|40|0", "Total||||440|265|75"}));
    EXPECT_EQ(f->worthChart->PlaceCount(), 1); // the game's start

    ed->balanceAction->trigger(); // Balance, to hold its figures against the rows
    const BalanceWindow* b = Forms::IfLoaded<BalanceWindow>();
    QStringList balances;
    for (int draw : {100, 3, 97}) {
        ScriptDraws({draw});
        Tick();
        balances << b->cashBox->text() + "|" + b->stocksBox->text() + "|" + b->balanceBox->text();
    }
    dao::Database game = dao::Database::open(path("Trader.sav"));
    const std::vector<WorthLog::Row> rows = WorthLog::Read(game);
    ASSERT_EQ(rows.size(), 4u); // the game's start, then a row a tick
    for (int i = 0; i < 3; ++i) { // the same figures as Balance, at the clock's time
        const WorthLog::Row& r = rows[size_t(i) + 1];
        EXPECT_EQ(r.time, at(0, 10, 0));
        EXPECT_EQ(
            QStringList({Numbers::PlainText(r.cash), Numbers::PlainText(*r.stocks), Numbers::PlainText(r.balance)})
                .join('|'),
            balances[i]);
    }
    EXPECT_EQ(f->worthChart->PlaceCount(), 4); // the window followed the ticks
    EXPECT_EQ(f->grid->CellText(1, 3), Numbers::PlainText(stocks()[0].price));
    EXPECT_TRUE(f->noteLabel->isHidden());
}

TEST_F(PerformanceTest, TheChartIsReadByKeysAndAContinuedOlderGameStartsItsSeries)
{
    RawRows(path("Trader.sav"), "DROP TABLE Worth"); // as an older game's file
    RawRows(path("Trader.sav"), "DROP TABLE Orders");
    Session::Current().Close();
    ed->OfferSavedGames(true);
    QTest::mouseClick(Forms::IfLoaded<ContinueDialog>()->continueButton, Qt::LeftButton);
    EXPECT_EQ(RawRows(path("Trader.sav"), "SELECT count(*) FROM Orders"), QStringList("0")); // it has its orders too
    setClock(at(0, 10, 30));
    for (int draw : {100, 100})
        ScriptDraws({draw}), Tick();
    PerformanceWindow* f = &Opened<PerformanceWindow>();
    WorthChart* c = f->worthChart;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
    QApplication::setActiveWindow(f);
    c->setFocus();
    EXPECT_EQ(a->text(QAccessible::Name),
        "Worth: 3 figures, first 500000, last 500000, lowest 500000, highest "
        "500000, change 0.00 %. Now: worth 500000, market 525363.7514"); // the market's line starts at Continue
    const QString day = QLocale().dayName(at(0, 0, 0).date().dayOfWeek());
    QTest::keyClick(c, Qt::Key_End); // the keys move as on every chart
    ASSERT_NE(a->focusChild(), nullptr);
    EXPECT_EQ(
        a->focusChild()->text(QAccessible::Name), "Worth 3 of 3: 500000 at 10:30, " + day + "; market 525363.7514");
    EXPECT_EQ(c->worth->count(), 3);
    EXPECT_EQ(c->market->count(), 3);
    EXPECT_EQ(c->startLine->at(0).y(), 500000);
}
