#include "app/kit/App.h"
#include "app/kit/FlexGrid.h"
#include "app/kit/Module1.h"
#include "app/kit/Numbers.h"
#include "app/kit/Twips.h"
#include "app/kit/VbTimer.h"
#include "data/MarketSchema.h"
#include "market/Form10.h"
#include "market/Form4.h"
#include "market/Form9.h"
#include "market/StockChart.h"
#include "support/GameFixture.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <QValueAxis>

using namespace dao;

namespace {

class MarketWindowsTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        startGame("Watcher");
        setClock(at(0, 10, 0));
    }
    Form4* openBoard()
    {
        ed->mnuAssetitem(1)->trigger();
        return Forms::IfLoaded<Form4>();
    }
    Form9* openPicker()
    {
        ed->mnuAssetitem(2)->trigger();
        return Forms::IfLoaded<Form9>();
    }
    /// Keeps the first n stocks of the market.
    void keepStocks(int n)
    {
        Database db = market();
        Recordset rs = db.openTable("Stocks Information");
        for (int i = 0; rs.recordCount() > n; ++i) {
            rs.moveLast();
            rs.deleteCurrent();
        }
    }
    /// A history table of its own: rows 1 to n hold the prices 1 to n.
    void makeHistory(const QString& symbol, int n)
    {
        std::vector<Currency> prices;
        for (int i = 1; i <= n; ++i)
            prices.push_back(Currency::fromDouble(i));
        Database db = market();
        Transaction tx = db.beginTransaction();
        MarketSchema::CreateStockObjects(db, symbol, prices);
        tx.commit();
    }
    static QStringList rangeOf(const QString& file, const QString& symbol)
    {
        return RawRows(file, QStringLiteral("SELECT MIN(Price)/10000.0, MAX(Price)/10000.0 FROM %1").arg(symbol));
    }
};

TEST_F(MarketWindowsTest, BoardListsEveryStockUnderItsHeaders)
{
    keepStocks(3);
    Form4* f = openBoard();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Price Information");
    const FlexGrid& g = *f->MSFlexGrid1;
    ASSERT_EQ(g.Rows(), 4);
    EXPECT_EQ(GridRows(g)[0], "Symbol|Price|Min/Day|Max/Day|Volume|Min/History|Max/History");
    const auto s = stocks();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(s[size_t(i)].symbol.toStdString());
        const QStringList cells = GridRows(g)[i + 1].split('|');
        EXPECT_EQ(cells.mid(0, 5),
            QStringList(
                {s[size_t(i)].symbol, Numbers::PlainText(s[size_t(i)].price), Numbers::PlainText(s[size_t(i)].min),
                    Numbers::PlainText(s[size_t(i)].max), Numbers::PlainText(s[size_t(i)].volume)}));
        const QStringList range = rangeOf(path("stocks.tqs"), s[size_t(i)].symbol)[0].split('|');
        EXPECT_EQ(cells[5].toDouble(), range[0].toDouble());
        EXPECT_EQ(cells[6].toDouble(), range[1].toDouble());
    }
    EXPECT_GE(g.columnWidth(0), Twips::ToPixels(550));
    EXPECT_GE(g.columnWidth(1), Twips::ToPixels(1000));
}

TEST_F(MarketWindowsTest, EveryTickRebuildsTheBoardShownOrNot)
{
    ScriptDraws({100});
    Module1::MarketTick();
    Form4* hidden = Forms::IfLoaded<Form4>();
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_EQ(hidden->MSFlexGrid1->TextMatrix(1, 1), Numbers::PlainText(stocks()[0].price));

    // After the close: no volume, the day's range kept.
    Module1::StartNewTradingDay();
    hidden->close();
    ProcessDeletions();
    const auto s = stocks();
    const QStringList row = GridRows(*openBoard()->MSFlexGrid1)[1].split('|');
    EXPECT_EQ(row[4], "0");
    EXPECT_EQ(row[2], Numbers::PlainText(s[0].min));
    EXPECT_EQ(row[3], Numbers::PlainText(s[0].max));
}

TEST_F(MarketWindowsTest, BoardEdgesNoStocksANullAndAStockWithoutHistory)
{
    {
        Database db = market();
        Recordset rs = db.openTable("Stocks Information");
        rs.edit();
        rs.setField("Min", Null{});
        rs.update();
    }
    RawRows(path("stocks.tqs"), "DROP VIEW BRKWQ");
    RawRows(path("stocks.tqs"), "DELETE FROM tq_querydefs WHERE Name = 'BRKWQ'");
    Form4* f = openBoard();
    const FlexGrid& g = *f->MSFlexGrid1;
    EXPECT_EQ(g.TextMatrix(1, 2), "");
    EXPECT_EQ(g.TextMatrix(2, 0), "BRKW");
    EXPECT_EQ(g.TextMatrix(2, 5), "");
    EXPECT_EQ(f->lblNote->text(), "No price history for: BRKW");
    EXPECT_FALSE(g.TextMatrix(3, 5).isEmpty()); // the rest of the board is whole

    keepStocks(0);
    Module1::RefreshPriceInformation();
    EXPECT_EQ(g.Rows(), 1);
    EXPECT_EQ(g.TextMatrix(0, 6), "Max/History");
    EXPECT_TRUE(msgs.messages.empty());
}

TEST(ChartSlots, ReadTheLatestTwoHundredButOneOfTheHistory)
{
    struct Case {
        int rows;
        int firstFilled; ///< the first slot that holds a price, 0 for none
        int lastFilled;
        double firstPrice;
    };
    const Case cases[] = {
        {201, 1, 200, 1}, // rows 1 to 200: every price but the latest
        {200, 2, 200, 1}, // slot 1 empty, rows 1 to 199
        {10, 2, 11, 1}, // slot 1 empty, then all ten
        {0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        QTemporaryDir dir;
        App::SetFolder(dir.path());
        {
            Database db = Database::create(dir.filePath("stocks.tqs"));
            std::vector<Currency> prices;
            for (int i = 1; i <= c.rows; ++i)
                prices.push_back(Currency::fromDouble(i));
            Transaction tx = db.beginTransaction();
            MarketSchema::CreateStockObjects(db, "TST", prices);
            tx.commit();
        }
        const Market::ChartSlots s = Market::ReadChartSlots("TST");
        for (int k = 1; k <= Market::kChartSlots; ++k) {
            const bool filled = c.firstFilled && k >= c.firstFilled && k <= c.lastFilled;
            ASSERT_EQ(s[size_t(k - 1)].has_value(), filled) << "slot " << k;
            if (filled)
                ASSERT_EQ(*s[size_t(k - 1)], c.firstPrice + (k - c.firstFilled)) << "slot " << k;
        }
        const Market::ChartSlots none = Market::ReadChartSlots("NOSUCH");
        EXPECT_TRUE(std::none_of(none.begin(), none.end(), [](const auto& v) { return v.has_value(); }));
        dao::releaseAll();
    }
}

TEST_F(MarketWindowsTest, PickAStockAndViewItsChartInOneReusedWindow)
{
    Form9* pick = openPicker();
    ASSERT_NE(pick, nullptr);
    EXPECT_EQ(pick->windowTitle(), "Stock Performance");
    EXPECT_EQ(pick->chartstock->currentText(), "Select stock");
    EXPECT_EQ(pick->chartstock->count(), int(stocks().size()));
    EXPECT_EQ(pick->Label2->buddy(), pick->Text1);
    pick->chartstock->setCurrentIndex(-1);
    QTest::keyClick(pick->chartstock, Qt::Key_Down);
    EXPECT_EQ(pick->Text1->text(), "Aldren Mining");
    pick->chartstock->setEditText("aldr"); // case counts: no match, the name stays
    Module1::ShowChartStockName();
    EXPECT_EQ(pick->Text1->text(), "Aldren Mining");
    pick->chartstock->setEditText("ALDR");
    QTest::mouseClick(pick->Command1, Qt::LeftButton);
    ProcessDeletions();
    EXPECT_EQ(Forms::IfLoaded<Form9>(), nullptr);
    Form10* chart = Forms::IfLoaded<Form10>();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->windowTitle(), "ALDR");
    EXPECT_EQ(chart->MSChart1->Slots(), Market::ReadChartSlots("ALDR"));
    EXPECT_TRUE(chart->MSChart1->Slots()[199].has_value());
    EXPECT_EQ(chart->Timer1->interval(), 10000);

    // "View chart" with nothing picked: an empty chart under that caption.
    pick = openPicker();
    QTest::mouseClick(pick->Command1, Qt::LeftButton);
    EXPECT_EQ(Forms::IfLoaded<Form10>(), chart);
    EXPECT_EQ(chart->windowTitle(), "Select stock");
    EXPECT_TRUE(chart->MSChart1->Lines().empty());
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(MarketWindowsTest, ANewStockChartsItsZerosThenItsPriceAfterATick)
{
    std::vector<Currency> history(200, Currency());
    history.push_back(Currency::fromDouble(12.5));
    {
        Database db = market();
        Transaction tx = db.beginTransaction();
        MarketSchema::CreateStockObjects(db, "NEWC", history);
        tx.commit();
    }
    const Market::ChartSlots before = Market::ReadChartSlots("NEWC");
    EXPECT_TRUE(std::all_of(before.begin(), before.end(), [](const auto& v) { return v == 0.0; }));
    {
        Database db = market();
        Recordset h = db.openTable("NEWC");
        h.moveFirst();
        h.deleteCurrent();
        h.addNew();
        h.setField("Price", 13.0); // what a tick does
        h.update();
    }
    const Market::ChartSlots after = Market::ReadChartSlots("NEWC");
    EXPECT_EQ(after[198], 0.0);
    EXPECT_EQ(after[199], 12.5);
}

TEST_F(MarketWindowsTest, TheChartRedrawsDuringExchangeHoursOnly)
{
    Form9* pick = openPicker();
    pick->chartstock->setEditText("ALDR");
    QTest::mouseClick(pick->Command1, Qt::LeftButton);
    Form10* chart = Forms::IfLoaded<Form10>();
    ASSERT_NE(chart, nullptr);
    struct Step {
        int day, h, m;
        bool redraws;
    };
    const Step steps[] = {{0, 10, 0, true}, {0, 15, 59, true}, {0, 16, 0, false}, {0, 16, 30, false}, {1, 9, 1, true}};
    for (const Step& s : steps) {
        SCOPED_TRACE(QString("%1 %2:%3").arg(s.day).arg(s.h).arg(s.m).toStdString());
        setClock(at(s.day, s.h, s.m));
        const Market::ChartSlots shown = chart->MSChart1->Slots();
        Module1::MarketTick();
        chart->Timer1_Timer();
        EXPECT_EQ(chart->MSChart1->Slots() != shown, s.redraws);
        EXPECT_EQ(chart->windowTitle(), "ALDR");
        EXPECT_TRUE(chart->isVisible());
    }
}

TEST_F(MarketWindowsTest, TheChartDrawsGapsABlackLineAndSaysThePriceUnderThePointer)
{
    makeHistory("TENR", 10);
    Form9* pick = openPicker();
    pick->chartstock->setEditText("TENR");
    QTest::mouseClick(pick->Command1, Qt::LeftButton);
    Form10* chart = Forms::IfLoaded<Form10>();
    chart->resize(600, 400);
    QTest::qWait(0);
    StockChart* c = chart->MSChart1;
    const auto lines = c->Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->count(), 10);
    EXPECT_EQ(lines[0]->at(0), QPointF(2, 1)); // slot 1 is a gap, not a zero
    EXPECT_EQ(lines[0]->pen().color(), QColor(0, 0, 0));
    EXPECT_EQ(c->axisX->min(), 1);
    EXPECT_EQ(c->axisX->max(), 200);
    EXPECT_LE(c->axisY->min(), 1);
    EXPECT_GE(c->axisY->max(), 10);

    const QPointF at5 = c->mapFromScene(c->chart()->mapToScene(c->chart()->mapToPosition(QPointF(5, 4), lines[0])));
    EXPECT_EQ(c->SlotAt(at5.toPoint()), 5);
    EXPECT_EQ(c->ToolTipAt(at5.toPoint()), "Tick 5: 4");
    const QPointF at100 = c->mapFromScene(c->chart()->mapToScene(c->chart()->mapToPosition(QPointF(100, 4), lines[0])));
    EXPECT_EQ(c->ToolTipAt(at100.toPoint()), "Tick 100: no price");
    EXPECT_EQ(c->ToolTipAt(QPoint(1, 1)), "");
}

} // namespace
