#include "support/GameFixture.h"

using namespace dao;

class MarketWindowsTest : public OpenGameTest {
protected:
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
        RawRows(path("stocks.tqs"), "INSERT INTO \"Stocks Information\"(stocksymbol, stockname) VALUES('" + symbol +
                "', 'Listed')");
    }
    StockChart* chartOf(const QString& text)
    {
        ed->chartAction->trigger();
        StockPerformanceDialog* pick = Forms::IfLoaded<StockPerformanceDialog>();
        pick->stockList->setEditText(text);
        QTest::mouseClick(pick->viewButton, Qt::LeftButton);
        ProcessDeletions();
        return Forms::IfLoaded<StockChart>();
    }
};

TEST_F(MarketWindowsTest, TheBoardListsEveryStockWithItsRangesAndKeepsTheDaysRangeOvernight)
{
    setFields("ALDR", {{"Min", Null{}}});
    RawRows(path("stocks.tqs"), "DROP VIEW BRKWQ");
    RawRows(path("stocks.tqs"), "DELETE FROM tq_querydefs WHERE Name = 'BRKWQ'");
    const auto s = stocks();
    ed->pricesAction->trigger();
    const ReportGrid& g = *Forms::IfLoaded<PriceBoard>()->grid;
    ASSERT_EQ(g.Rows(), int(s.size()) + 1);
    EXPECT_EQ(GridRows(g)[0], "Symbol|Price|Min/Day|Max/Day|Volume|Min/History|Max/History");
    const Stock& c = s[2];
    const QStringList range =
        RawRows(path("stocks.tqs"), QString("SELECT MIN(Price)/10000.0, MAX(Price)/10000.0 FROM %1").arg(c.symbol))[0]
            .split('|');
    EXPECT_EQ(GridRows(g)[3].split('|'),
        QStringList({c.symbol, Numbers::PlainText(c.price), Numbers::PlainText(c.min), Numbers::PlainText(c.max),
            Numbers::PlainText(c.volume), Numbers::PlainText(range[0].toDouble()),
            Numbers::PlainText(range[1].toDouble())}));
    EXPECT_EQ(g.CellText(1, 2), ""); // a Null
    EXPECT_EQ(g.CellText(2, 5), ""); // a stock without its history query, named below the board
    EXPECT_EQ(Forms::IfLoaded<PriceBoard>()->noteLabel->text(), "No price history for: BRKW");
    PriceBoard& board = *Forms::IfLoaded<PriceBoard>();
    ScriptDraws({100});
    Tick();
    Market::StartNewTradingDay(); // after the close: no volume, the day's range kept
    board.Refresh();
    EXPECT_EQ(board.grid->CellText(1, 4), "0");
    EXPECT_EQ(board.grid->CellText(1, 3), Numbers::PlainText(stocks()[0].max));
    RawRows(path("stocks.tqs"), "DELETE FROM \"Stocks Information\"");
    board.Refresh();
    EXPECT_EQ(board.grid->Rows(), 1);
}

TEST_F(MarketWindowsTest, ChartSlotsReadTheLatestTwoHundredOfTheHistoryTheLatestPriceLast)
{
    // Rows of history (row j priced j), and the first and last slot that hold a price (0: none).
    const std::tuple<int, int, int> cases[] = {{201, 1, 200}, {200, 1, 200}, {199, 2, 200}, {10, 2, 11}, {0, 0, 0}};
    for (const auto& [rows, first, last] : cases) {
        SCOPED_TRACE(rows);
        makeHistory(QString("T%1").arg(rows), rows);
        const Market::ChartSlots s = Market::ReadChartSlots(QString("T%1").arg(rows));
        for (int k = 1; k <= Market::kChartSlots; ++k) {
            const bool filled = first && k >= first && k <= last;
            ASSERT_EQ(s[size_t(k - 1)], filled ? std::optional<double>(rows - (last - k)) : std::nullopt) << k;
        }
    }
    const Market::ChartSlots none = Market::ReadChartSlots("NOSUCH");
    EXPECT_TRUE(std::none_of(none.begin(), none.end(), [](const auto& v) { return v.has_value(); }));
}

TEST_F(MarketWindowsTest, PickAStockAndViewItsChartRedrawnDuringExchangeHoursInOneReusedWindow)
{
    ed->chartAction->trigger();
    StockPerformanceDialog* pick = Forms::IfLoaded<StockPerformanceDialog>();
    EXPECT_EQ(pick->stockList->currentText(), "Select stock");
    EXPECT_EQ(pick->stockList->count(), int(stocks().size()));
    pick->stockList->setCurrentIndex(-1);
    QTest::keyClick(pick->stockList, Qt::Key_Down);
    EXPECT_EQ(pick->companyBox->text(), "Aldren Mining");
    pick->stockList->setEditText("aldr"); // case counts: no match, the name stays
    pick->ShowCompany();
    EXPECT_EQ(pick->companyBox->text(), "Aldren Mining");
    StockChart* chart = chartOf("ALDR");
    EXPECT_EQ(Forms::IfLoaded<StockPerformanceDialog>(), nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->windowTitle(), "ALDR");
    EXPECT_EQ(chart->chartView->Slots(), Market::ReadChartSlots("ALDR"));
    const std::pair<QDateTime, bool> steps[] = {{at(0, 10, 0), true}, {at(0, 15, 59), true}, {at(0, 16, 0), false},
        {at(0, 16, 30), false}, {at(1, 9, 1), true}};
    ed->pricesAction->trigger(); // the board beside it
    for (const auto& [t, redraws] : steps) {
        SCOPED_TRACE(t.toString().toStdString());
        setClock(t);
        Tick(); // every move is drawn as the board shows it
        EXPECT_EQ(GridRows(*Forms::IfLoaded<PriceBoard>()->grid).value(1).section('|', 1, 1),
            Numbers::PlainText(chart->chartView->Slots().back().value_or(0)));
        const Market::ChartSlots shown = chart->chartView->Slots();
        Market::Tick(nullptr); // a move the window has not heard of: its own timer draws it in the hours
        chart->RedrawInTradingHours();
        EXPECT_EQ(chart->chartView->Slots() != shown, redraws);
    }
    // Ten prices: a gap, then a black line; the pointer reads a slot's price.
    makeHistory("TENR", 10);
    EXPECT_EQ(chartOf("TENR"), chart);
    chart->resize(600, 400);
    QTest::qWait(0);
    StockChartView* c = chart->chartView;
    const auto lines = c->Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->count(), 10);
    EXPECT_EQ(lines[0]->at(0), QPointF(2, 1)); // slot 1 is a gap, not a zero
    EXPECT_EQ(lines[0]->pen().color(), QColor(0, 0, 0));
    auto under = [&](double slot) {
        const QPointF p =
            c->mapFromScene(c->chart()->mapToScene(c->chart()->mapToPosition(QPointF(slot, 4), lines[0])));
        return p.toPoint();
    };
    EXPECT_EQ(c->ToolTipAt(under(5)), "Price 4 of 10: 4");
    EXPECT_EQ(c->ToolTipAt(under(100)), "Tick 100: no price");
    EXPECT_EQ(c->ToolTipAt(QPoint(1, 1)), "");
    EXPECT_TRUE(msgs.messages.empty());
    // Nothing picked, or a stock not listed: said, and the chart shows what it showed.
    for (const char* typed : {"Select stock", "zzz"}) {
        msgs.messages.clear();
        EXPECT_EQ(chartOf(typed), chart);
        EXPECT_EQ(chart->windowTitle(), "TENR");
        EXPECT_NE(Forms::IfLoaded<StockPerformanceDialog>(), nullptr);
        EXPECT_EQ(msgs.texts(), QStringList(QString(typed) == "zzz"
                                        ? "No stock \"zzz\" is listed: choose the stock to chart from the Stock list."
                                        : "Choose the stock to chart from the Stock list first."));
        Forms::Unload(Forms::IfLoaded<StockPerformanceDialog>());
        ProcessDeletions();
    }
}

TEST(ChartReading, ASummaryThenEachPriceByItsPlaceMovedByTheKeysOfAChart)
{
    Market::ChartSlots s{};
    s[1] = 20, s[2] = 25, s[3] = 18, s[4] = 22; // slots 2 to 5; slot 1 is a gap
    EXPECT_EQ(
        Market::ChartSummary("ALDR", s), "ALDR: 4 prices, first 20, last 22, lowest 18, highest 25, change +10.00 %");
    EXPECT_EQ(Market::SlotText(s, 3), "Price 2 of 4: 25");
    EXPECT_EQ(Market::SlotText(s, 1), "Tick 1: no price");
    EXPECT_EQ(Market::ChartSummary("NEW", {}), "NEW: no prices");
    s[0] = 0; // a listed stock's history of zeros: no change in per cent from 0
    EXPECT_EQ(Market::ChartSummary("ZED", s), "ZED: 5 prices, first 0, last 22, lowest 0, highest 25");
    using P = std::optional<int>;
    const std::tuple<P, int, P> moves[] = {// among 25 prices: from, key, to
        {std::nullopt, Qt::Key_Right, 0}, {std::nullopt, Qt::Key_PageDown, 0}, {std::nullopt, Qt::Key_Left, 24},
        {std::nullopt, Qt::Key_PageUp, 24}, {5, Qt::Key_Right, 6}, {5, Qt::Key_Left, 4}, {0, Qt::Key_Left, 0},
        {24, Qt::Key_Right, 24}, {5, Qt::Key_PageDown, 15}, {20, Qt::Key_PageDown, 24}, {5, Qt::Key_PageUp, 0},
        {12, Qt::Key_Home, 0}, {12, Qt::Key_End, 24}, {12, Qt::Key_A, std::nullopt}};
    for (const auto& [from, key, to] : moves)
        EXPECT_EQ(Charts::MovePlace(from, 25, key), to) << from.value_or(-1) << " " << key;
    EXPECT_EQ(Charts::MovePlace(std::nullopt, 0, Qt::Key_Home), std::nullopt);
}

TEST_F(MarketWindowsTest, TheChartIsReachedByTabAndReadByKeysAndARedrawKeepsItsPlaceSilently)
{
    makeHistory("TENR", 10);
    StockChart* chart = chartOf("TENR");
    StockChartView* c = chart->chartView;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
    EXPECT_EQ(a->role(), QAccessible::Chart);
    QApplication::setActiveWindow(chart);
    c->setFocus();
    EXPECT_EQ(a->text(QAccessible::Name), "TENR: 10 prices, first 1, last 10, lowest 1, highest 10, change +900.00 %");
    QTest::keyClick(c, Qt::Key_End);
    QTest::keyClick(c, Qt::Key_Left);
    ASSERT_NE(a->focusChild(), nullptr);
    EXPECT_EQ(a->focusChild()->text(QAccessible::Name), "Price 9 of 10: 9");
    RawRows(path("stocks.tqs"), "INSERT INTO TENR(Price) VALUES (110000)"); // a new price, 11
    setClock(at(0, 10, 0));
    chart->RedrawInTradingHours(); // redrawn: the cursor stays ninth
    EXPECT_EQ(c->CursorSlot(), 10);
    EXPECT_EQ(a->focusChild()->text(QAccessible::Name), "Price 9 of 11: 9");
    EXPECT_TRUE(a->text(QAccessible::Name).startsWith("TENR: 11 prices, first 1, last 11"));
}
