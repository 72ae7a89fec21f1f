#include "support/GameFixture.h"

using namespace dao;

class TradingTest : public OpenGameTest {
protected:
    void SetUp() override
    {
        OpenGameTest::SetUp();
        setPrice("ALDR", 12.34);
        ed->tradeAction->trigger();
        desk = Forms::IfLoaded<TradingDesk>();
        ASSERT_NE(desk, nullptr);
    }
    void enter() { QTest::mouseClick(desk->enterButton, Qt::LeftButton); }
    /// The trade log as stored: symbol, price and result in ten-thousandths, units.
    QStringList log() const
    {
        return RawRows(path("Trader.sav"), "SELECT Symbol, Price, Units, Result FROM Traderesult");
    }
    QString last() const { return msgs.messages.empty() ? QString() : msgs.messages.back().text; }

    TradingDesk* desk = nullptr;
};

TEST_F(TradingTest, TheDeskListsEveryStockTradesNoneUnchosenAndTradesAChosenOneAtTheMarketsPriceOfTheMoment)
{
    QStringList listed, symbols;
    for (int i = 0; i < desk->stockList->count(); ++i)
        listed << desk->stockList->itemText(i);
    for (const auto& s : stocks())
        symbols << s.symbol;
    EXPECT_EQ(listed, symbols);
    EXPECT_EQ(desk->stockList->currentText(), "Select a stock");
    for (QLineEdit* e : {desk->companyBox, desk->symbolBox, desk->priceBox, desk->lowBox, desk->highBox, desk->tradePriceBox,
             desk->sumBox, desk->unitsBox}) { // only the units take typing
        QTest::keyClicks(e, "0.0001");
        EXPECT_EQ(e->text(), e == desk->unitsBox ? "0.0001" : "") << e->objectName().toStdString();
    }
    desk->unitsBox->setText("10");
    desk->buyButton->setChecked(true);
    desk->sumBox->setText("earlier");
    enter(); // no stock chosen: refused before the sum
    EXPECT_EQ(last(), "Choose a stock from the list first.");
    EXPECT_EQ(desk->sumBox->text(), "earlier");
    desk->unitsBox->clear();
    ChooseByKey(desk->stockList, "ALDR");
    EXPECT_EQ(desk->symbolBox->text(), "ALDR");
    EXPECT_EQ(desk->priceBox->text(), "12.34");
    EXPECT_EQ(desk->tradePriceBox->text(), "12.34");
    EXPECT_EQ(desk->companyBox->text(), "Aldren Mining");
    QTest::keyClicks(desk->unitsBox, "10");
    QTest::mouseClick(desk->buyButton, Qt::LeftButton);
    desk->unitsBox->setFocus();
    ScriptDraws({100});
    for (int move = 0; move < 2; ++move) // the price follows every move; what the player typed stays
        Tick();
    EXPECT_EQ(desk->tradePriceBox->text(), "12.966"); // 12.34 * 1.02505 * 1.02505
    EXPECT_EQ(desk->priceBox->text(), "12.966");
    EXPECT_EQ(desk->highBox->text(), "12.966"); // the day's highest
    EXPECT_EQ(desk->unitsBox->text(), "10");
    EXPECT_EQ(desk->typeGroup->checkedId(), int(TradeType::Buy));
    EXPECT_EQ(desk->focusWidget(), desk->unitsBox);
    // A price set behind the desk's back, as the night and the next day's first move would: Enter trades at it.
    setClock(at(1, 9, 10));
    setPrice("ALDR", 12.34);
    enter();
    EXPECT_EQ(last(), "You bought 10 of ALDR at a price 12.3400 for the overall sum 123.4");
    EXPECT_EQ(log(), QStringList({"ALDR|123400|10|-1234000"}));
    EXPECT_EQ(desk->tradePriceBox->text(), "12.34");
    EXPECT_EQ(desk->sumBox->text(), "123.4");
    enter(); // the desk keeps its contents: Enter again repeats the trade
    EXPECT_EQ(log().size(), 2);
    EXPECT_EQ(desk->cashBox->text() + "|" + desk->heldBox->text(), "499753.2|20"); // read again after each trade
    ChooseByKey(desk->stockList, "BRKW"); // another stock: its units, and no sum of the last one's
    EXPECT_EQ(desk->sumBox->text() + "|" + desk->heldBox->text(), "|0");
}

TEST_F(TradingTest, TheBalanceRefreshesDuringTheExchangeHoursAndNamesWhatItCannotValue)
{
    trade("ALDR", "10", "Buy");
    trade("BRKW", "1", "Buy");
    BalanceWindow* b = &Opened<BalanceWindow>();
    const double brkw = stocks()[1].price.toDouble();
    setPrice("ALDR", 13);
    b->RefreshInTradingHours(); // within the hours: refreshed
    EXPECT_EQ(b->stocksBox->text(), Numbers::PlainText(130 + brkw));
    b->stocksBox->setSelection(0, 3);
    b->RefreshInTradingHours(); // figures that stay are not written again, to be read out anew
    EXPECT_EQ(b->stocksBox->selectionLength(), 3);
    b->stocksBox->selectAll();
    setPrice("ALDR", 14);
    b->RefreshInTradingHours(); // a new figure selected whole, as the one before
    EXPECT_EQ(b->stocksBox->selectedText(), Numbers::PlainText(140 + brkw));
    setPrice("ALDR", 15);
    setClock(at(0, 16, 30));
    b->RefreshInTradingHours(); // outside: left alone
    setClock(std::nullopt);
    b->RefreshInTradingHours(); // no time shown counts as outside
    EXPECT_EQ(b->stocksBox->text(), Numbers::PlainText(140 + brkw));
    RawRows(path("stocks.tqs"), "UPDATE \"Stocks Information\" SET stocksymbol = 'aldr' WHERE stocksymbol = 'ALDR'");
    b->Refresh(*game()); // a holding no longer listed is valued at 0, and named
    EXPECT_EQ(b->stocksBox->text(), Numbers::PlainText(brkw));
    EXPECT_TRUE(b->noteLabel->text().contains("ALDR")) << b->noteLabel->text().toStdString();
    QTest::mouseClick(b->portfolioButton, Qt::LeftButton); // View Portfolio
    EXPECT_TRUE(FindForm("PortfolioWindow")->isVisible());
    logTrade("ALDR", 13, -10, 130); // all sold back: Stocks 0, not nothing
    logTrade("BRKW", 1, -1, 1);
    b->Refresh(*game());
    EXPECT_EQ(b->stocksBox->text(), "0");
}
