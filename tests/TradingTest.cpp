#include "support/GameFixture.h"
#include "trading/MarketTrades.h"
#include "trading/TradeRules.h"

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
}

/// A trade's steps: the stock, its price set first (0: as it is), the units
/// and type typed, and what is said.
using TradeStep = std::tuple<const char*, double, const char*, const char*, const char*>;
using Steps = std::vector<TradeStep>;

class TradeRuleTest : public TradingTest, public ::testing::WithParamInterface<std::vector<TradeStep>> {
protected:
    /// Plays the steps; how many of them said a trade was recorded.
    int play()
    {
        int recorded = 0;
        for (const auto& [symbol, price, units, type, said] : GetParam()) {
            SCOPED_TRACE(said);
            if (price)
                setPrice(symbol, price);
            trade(symbol, units, type);
            EXPECT_EQ(last(), said);
            EXPECT_EQ(
                msgs.messages.back().caption, last().startsWith("You must") ? "UnitsSheet Error" : "Varnel Ticora");
            for (const char* done : {"You bought", "You sold", "You covered"})
                recorded += QString(said).startsWith(done);
        }
        return recorded;
    }
};

TEST_P(TradeRuleTest, IsSaidAndOnlyARecordedTradeIsLogged)
{
    const int recorded = play();
    EXPECT_EQ(log().size(), recorded);
}

INSTANTIATE_TEST_SUITE_P(UnitsAndTypeAreCheckedFirst, TradeRuleTest,
    ::testing::Values(Steps{{"ALDR", 0, "abc", "", "You must enter a valid units amount."}},
        Steps{{"ALDR", 0, "0", "Buy", "You must enter a valid units amount."}},
        Steps{{"ALDR", 0, "-5", "Buy", "You must enter a valid units amount."}},
        Steps{{"ALDR", 0, "", "Buy", "You must enter a valid units amount."}},
        Steps{{"ALDR", 0, "2.5", "Buy", "You must enter a valid units amount."}},
        Steps{{"ALDR", 0, "1e10", "Buy", "You must enter a valid units amount."}},
        Steps{{"ALDR", 0, "5", "", "Choose transaction type"}}));

INSTANTIATE_TEST_SUITE_P(APurchaseCostsAtMostTheCashToTheTenThousandth, TradeRuleTest,
    ::testing::Values(
        Steps{{"BRKW", 60000, "10", "Buy", "Sum of this thansaction 600000 and is more than your cash 500000"},
            {"BRKW", 50000.0001, "10", "Buy", "Sum of this thansaction 500000.001 and is more than your cash 500000"}},
        Steps{{"BRKW", 50000, "10", "Buy", "You bought 10 of BRKW at a price 50000.0000 for the overall sum 500000"},
            {"ALDR", 0, "1", "Buy", "Sum of this thansaction 12.34 and is more than your cash 0"}}));

INSTANTIATE_TEST_SUITE_P(ASaleSellsAtMostTheUnitsHeld, TradeRuleTest,
    ::testing::Values(Steps{{"ALDR", 0, "1", "Sell", "You don't have any stock to sell"}},
        Steps{{"ALDR", 0, "10", "Buy", "You bought 10 of ALDR at a price 12.3400 for the overall sum 123.4"},
            {"CINX", 0, "1", "Sell", "You don't have this kind of stock!"},
            {"ALDR", 0, "11", "Sell", "You don't have this number of stock"}},
        Steps{{"ALDR", 0, "1", "Buy", "You bought 1 of ALDR at a price 12.3400 for the overall sum 12.34"},
            {"ALDR", 0, "1", "Sell", "You sold 1 of ALDR at a price 12.3400 for the overall sum 12.34"},
            {"ALDR", 0, "1", "Sell", "You don't have this number of stock"}})); // its row stays, with 0 units

INSTANTIATE_TEST_SUITE_P(AShortSaleNeedsNoLongAndABalanceOfHalfTheShorts, TradeRuleTest,
    ::testing::Values(
        Steps{{"ALDR", 0, "1", "Buy", "You bought 1 of ALDR at a price 12.3400 for the overall sum 12.34"},
            {"ALDR", 0, "1", "Sell short", "You hold 1 of ALDR: sell them before you sell short."},
            {"ALDR", 0, "1", "Sell", "You sold 1 of ALDR at a price 12.3400 for the overall sum 12.34"},
            {"ALDR", 0, "1", "Sell short", "You sold short 1 of ALDR at a price 12.3400 for the overall sum 12.34"}},
        Steps{{"BRKW", 100000.0001, "10", "Sell short",
                  "A short sale of 1000000.001 needs a balance of at least half of your short positions: your "
                  "balance would be 500000 and half of your short positions 500000.0005."},
            {"BRKW", 100000, "10", "Sell short",
                "You sold short 10 of BRKW at a price 100000.0000 for the overall sum 1000000"}, // 50 % exactly
            {"BRKW", 150000.0001, "10", "Cover short",
                "Sum of this thansaction 1500000.001 and is more than your cash 1500000"},
            {"BRKW", 150000, "10", "Cover short",
                "You covered 10 of BRKW at a price 150000.0000 for the overall sum 1500000"}},
        Steps{{"ALDR", 0, "1", "Cover short", "You have no short position in ALDR."},
            {"ALDR", 0, "5", "Sell short", "You sold short 5 of ALDR at a price 12.3400 for the overall sum 61.7"},
            {"ALDR", 0, "6", "Cover short", "You are short only 5 of ALDR."},
            {"ALDR", 0, "1", "Sell", "You don't have this number of stock"}, // a sale never opens a short
            {"ALDR", 0, "3", "Cover short", "You covered 3 of ALDR at a price 12.3400 for the overall sum 37.02"},
            {"ALDR", 0, "2", "Buy", "You bought 2 of ALDR at a price 12.3400 for the overall sum 24.68"},
            {"ALDR", 0, "1", "Cover short", "You have no short position in ALDR."}}));

TEST_F(TradingTest, TheExchangesHoursComeFirstAndARefusedPurchaseStillShowsItsSum)
{
    setClock(at(0, 16, 0));
    trade("ALDR", "1", "Buy");
    EXPECT_EQ(last(), "Varnel Stock Exchange is closed at the moment.");
    setClock(std::nullopt); // a clock that shows no time lets the trade through
    setPrice("BRKW", 60000);
    trade("BRKW", "10", "Buy");
    EXPECT_EQ(desk->sumBox->text(), "600000");
}

TEST_F(TradingTest, CancelClosesTheDeskAndTypesNothingIntoTheNextFocus)
{
    QLineEdit other;
    other.show();
    QApplication::setActiveWindow(&other);
    other.setFocus();
    desk->show();
    QApplication::setActiveWindow(desk);
    QTest::mouseClick(desk->cancelButton, Qt::LeftButton);
    ProcessDeletions();
    EXPECT_EQ(Forms::IfLoaded<TradingDesk>(), nullptr);
    EXPECT_EQ(other.text(), "");
}

TEST_F(TradingTest, TheBalanceFollowsTradesAndTicksDuringTheExchangeHoursAndNamesWhatItCannotValue)
{
    ScriptDraws({100});
    trade("ALDR", "10", "Buy");
    Tick(); // no Balance open: nothing made for it
    EXPECT_EQ(Forms::IfLoaded<BalanceWindow>(), nullptr);
    BalanceWindow* b = &Opened<BalanceWindow>(); // opened, it shows the figures of now
    auto amounts = [&] { return QStringList({b->cashBox->text(), b->stocksBox->text(), b->balanceBox->text()}); };
    EXPECT_EQ(amounts(), QStringList({"499876.6", "126.491", "500003.091"}));
    trade("BRKW", "1", "Buy"); // and follows every trade while it is open
    const double brkw = stocks()[1].price.toDouble();
    EXPECT_EQ(b->stocksBox->text(), Numbers::PlainText(126.491 + brkw));
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

struct MarginCase {
    const char* name;
    double cash;
    std::vector<std::tuple<const char*, int, double>> held; ///< symbol, units, price (0: not listed)
    double balance, shorts;
    bool allowsShortSale, calls;
    QStringList covered; ///< what a call covers: every short the market prices
};

class MarginRuleTest : public ::testing::TestWithParam<MarginCase> { };

TEST_P(MarginRuleTest, BalanceAndShortsAtTheBooksPrices)
{
    const MarginCase& c = GetParam();
    TradeRules::Book book{Currency::fromDouble(c.cash), {}, {}};
    for (const auto& [symbol, units, price] : c.held) {
        book.held.push_back({symbol, Value(int64_t(units))});
        if (price)
            book.prices.insert(symbol, Currency::fromDouble(price));
    }
    const TradeRules::Margin m = TradeRules::MarginOf(book);
    EXPECT_EQ(m.balance, Currency::fromDouble(c.balance));
    EXPECT_EQ(m.shorts, Currency::fromDouble(c.shorts));
    EXPECT_EQ(m.AllowsShortSale(), c.allowsShortSale);
    EXPECT_EQ(m.Calls(), c.calls);
    QStringList covered;
    for (const TradeRules::Row& r : TradeRules::CoverAll(book))
        covered << r.symbol;
    EXPECT_EQ(covered, c.covered);
}

INSTANTIATE_TEST_SUITE_P(Worked, MarginRuleTest,
    ::testing::Values(MarginCase{"HalfExactly", 1500000, {{"A", -10, 100000}}, 500000, 1000000, true, false, {"A"}},
        MarginCase{"ThirtyPerCentExactly", 1300000, {{"A", -10, 100000}}, 300000, 1000000, false, false, {"A"}},
        MarginCase{"ATenThousandthBelowThirty", 1300000, {{"A", -10, 100000.0001}}, 299999.999, 1000000.001, false,
            true, {"A"}},
        MarginCase{"SeveralShortsAndALongThatHolds", 1300000, {{"A", -5, 100000.01}, {"B", -5, 100000.01}, {"L", 1, 1}},
            300000.9, 1000000.1, false, false, {"A", "B"}},
        MarginCase{"SeveralShortsCalled", 1300000, {{"A", -5, 100000.01}, {"B", -5, 100000.01}, {"Q", -3, 0}}, 299999.9,
            1000000.1, false, true, {"A", "B"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TradingTest, AMarginCallCoversEveryShortAtTheMovesPricesInOneGoAndIsSaidOnce)
{
    ed->transactionsAction->trigger(); // Transactions and Balance shown: the call shows in them at once
    ed->balanceAction->trigger();
    setPrice("ALDR", 90000);
    setPrice("BRKW", 10);
    const Currency cinx = stocks()[2].price.toCurrency();
    for (const char* s : {"ALDR", "BRKW"})
        trade(s, "10", "Sell short");
    trade("CINX", "5", "Buy");
    const Currency cash = Currency::fromDouble(1400100) - cinx * 5;
    ScriptDraws({100});
    Tick(); // ALDR at 92254.5: the balance is 52 % of the shorts
    EXPECT_EQ(log().size(), 3);
    setPrice("ALDR", 106000);
    Tick(); // at 108655.3: 29 %
    const auto moved = stocks();
    const Currency aldr = moved[0].price.toCurrency(), brkw = moved[1].price.toCurrency();
    auto row = [](const char* s, Currency p) {
        return QString("%1|%2|10|%3").arg(s).arg(p.ticks()).arg((-(p * 10)).ticks());
    };
    EXPECT_EQ(log().mid(3), QStringList({row("ALDR", aldr), row("BRKW", brkw)}));
    const Currency shorts = aldr * 10 + brkw * 10;
    const QString said =
        QString("Margin call: your balance %1 fell below 30 % of your short positions %2, so they "
                "were covered at the market's prices.")
            .arg(Numbers::PlainText(cash + moved[2].price.toCurrency() * 5 - shorts), Numbers::PlainText(shorts));
    EXPECT_EQ(msgs.texts().count(said), 1);
    EXPECT_EQ(Forms::IfLoaded<TransactionsWindow>()->countLabel->text(), "5");
    EXPECT_EQ(Forms::IfLoaded<BalanceWindow>()->cashBox->text(), Numbers::PlainText(cash - shorts));
}

TEST(FailureMemory, TellsAFailureOnceWhileItLastsAgainAfterASuccessAndApartFromTheOtherWork)
{
    Trading::FailureMemory fills, margin;
    EXPECT_TRUE(fills.Failed("full"));
    EXPECT_FALSE(fills.Failed("full")) << "the same failure at the next move";
    fills.Succeeded();
    EXPECT_TRUE(fills.Failed("full")) << "back after a success";
    EXPECT_TRUE(margin.Failed("read-only"));
    EXPECT_FALSE(fills.Failed("full")) << "each work's failures apart";
}
