// Orders the market fills: placed at the Orders window, carried out after a
// move by the desk's rules, each with its trade in one write.
#include "data/OrderBook.h"
#include "support/GameFixture.h"
#include "trading/OrdersWindow.h"

using dao::Currency;

class OrdersTest : public OpenGameTest {
protected:
    void SetUp() override
    {
        OpenGameTest::SetUp();
        ed->ordersAction->trigger();
        f = Forms::IfLoaded<OrdersWindow>();
        ASSERT_NE(f, nullptr);
    }
    /// At the window as a player places it: the stock chosen (where one is
    /// named), the boxes typed, the type and the condition picked by caption.
    void place(const QString& symbol, const QString& units, const QString& type, const QString& condition,
        const QString& price)
    {
        if (!symbol.isEmpty())
            ChooseByKey(f->stockList, symbol);
        f->unitsBox->setText(units);
        f->priceBox->setText(price);
        ClearChoice(f->typeGroup);
        ClearChoice(f->conditionGroup);
        if (const auto t = TypeNamed(type))
            f->typeGroup->button(int(*t))->setChecked(true);
        if (!condition.isEmpty()) // by what it is, in any language
            (condition == "at or below" ? f->belowButton : f->aboveButton)->setChecked(true);
        QTest::mouseClick(f->placeButton, Qt::LeftButton);
    }
    /// Straight into the game file, as placed.
    void order(const char* symbol, OrderBook::Type type, OrderBook::Condition condition, double price, int units)
    {
        dao::Database file = dao::Database::open(path("Trader.sav"));
        OrderBook::Place(file, {0, symbol, type, condition, Currency::fromDouble(price), units, at(0, 10, 0)});
    }
    QStringList orders() const
    {
        return RawRows(path("Trader.sav"), "SELECT Symbol, Type, Units, State, \"Fill price\", Note FROM Orders");
    }
    OrdersWindow* f = nullptr;
};

TEST_F(OrdersTest, PlaceChecksWhatTheDeskChecksWaitsForTheMarketAndKeepsAtMostAHundredOpen)
{
    const std::tuple<const char*, const char*, const char*, const char*, const char*, const char*> refused[] = {
        {"", "10", "Buy", "at or below", "20", "Choose a stock from the list first."},
        {"ALDR", "10", "Buy", "", "20", "Choose a condition: at or below, or at or above."},
        {"ALDR", "10", "Buy", "at or below", "-1", "Type the price the order waits for: a number above 0."},
        {"ALDR", "10", "Buy", "at or below", "20abc", "Type the price the order waits for: a number above 0."}};
    for (const auto& [symbol, units, type, condition, price, said] : refused) {
        place(symbol, units, type, condition, price);
        EXPECT_EQ(msgs.texts().value(0), said);
        msgs.messages.clear();
    }
    EXPECT_EQ(orders(), QStringList());
    setClock(at(0, 17, 0)); // the exchange closed: the order waits for it
    place("ALDR", "100", "Buy", "at or below", "20");
    EXPECT_EQ(GridRows(*f->grid).value(1),
        "ALDR|Buy|100|at or below|20|" + QLocale().toString(at(0, 17, 0), QLocale::ShortFormat) + "|open|");
    EXPECT_EQ(f->findChild<QLabel*>("notice")->accessibleName(), "Order placed: buy 100 of ALDR at or below 20");
    for (int i = 1; i < OrderBook::kMostOpen; ++i)
        order("BRKW", OrderBook::Type::Sell, OrderBook::Condition::AtOrAbove, 1000, 1);
    place("ALDR", "1", "Buy", "at or below", "20");
    EXPECT_EQ(msgs.texts(),
        QStringList("You have 100 open orders, as many as the market keeps: cancel one before you place another."));
    f->Refresh(*game());
    f->grid->SetCurrentCell(OrderBook::kMostOpen - 1, 0); // the oldest, last
    QTest::mouseClick(f->cancelOrderButton, Qt::LeftButton);
    EXPECT_EQ(orders().value(0), "ALDR|Buy|100|cancelled|NULL|");
    QTest::mouseClick(f->cancelOrderButton, Qt::LeftButton);
    EXPECT_EQ(msgs.texts().value(1), "Choose an open order in the list first.");
    place("ALDR", "1", "Buy", "at or below", "20"); // room for one again
    EXPECT_EQ(orders().size(), OrderBook::kMostOpen + 1);
}

TEST_F(OrdersTest, AMoveCarriesOutEachOrderItsPriceMeetsInPlacementOrderByTheDesksRules)
{
    using T = OrderBook::Type;
    using C = OrderBook::Condition;
    for (const auto& [symbol, price] : {std::pair("ALDR", 20), {"BRKW", 100}, {"CINX", 50}})
        setPrice(symbol, price);
    order("ALDR", T::Buy, C::AtOrBelow, 19.5, 20000); // at 19.5 exactly: 390000 of the cash
    order("ALDR", T::Buy, C::AtOrBelow, 20, 10000); // past its price, but the first left too little cash
    order("ALDR", T::Buy, C::AtOrBelow, 19.4999, 1); // short of its price
    order("BRKW", T::Sell, C::AtOrAbove, 90, 5);
    order("CINX", T::SellShort, C::AtOrBelow, 48.75, 100);
    order("EMBR", T::CoverShort, C::AtOrAbove, 1, 10);
    order("GONE", T::Buy, C::AtOrAbove, 1, 1);
    order("ALDR", T::Sell, C::AtOrAbove, 19, 20000); // what the first bought
    ChooseByKey(f->stockList, "ALDR");
    EXPECT_EQ(f->currentPriceBox->text(), "20"); // the chosen stock's price, following every move
    ed->balanceAction->trigger();
    ScriptDraws({1});
    Tick(); // every price by 97.5 %: ALDR 19.5, BRKW 97.5, CINX 48.75
    EXPECT_EQ(f->currentPriceBox->text(), "19.5");
    EXPECT_EQ(orders(),
        QStringList({"ALDR|Buy|20000|filled|195000|",
            "ALDR|Buy|10000|open|NULL|Sum of this thansaction %1 and is more than your cash %2\x1f"
            "195000\x1f"
            "110000",
            "ALDR|Buy|1|open|NULL|", "BRKW|Sell|5|open|NULL|You don't have this kind of stock!",
            "CINX|Sell short|100|filled|487500|",
            "EMBR|Cover short|10|open|NULL|You have no short position in %1.\x1f"
            "EMBR",
            "GONE|Buy|1|open|NULL|The stock is no longer listed.", "ALDR|Sell|20000|filled|195000|"}));
    EXPECT_EQ(RawRows(path("Trader.sav"), "SELECT Symbol, Price, Units, Result FROM Traderesult"),
        QStringList({"ALDR|195000|20000|-3900000000", "CINX|487500|-100|48750000", "ALDR|195000|-20000|3900000000"}));
    const QString told = "Orders filled: bought 20000 of ALDR at 19.5; sold short 100 of CINX at 48.75; sold 20000 of "
                         "ALDR at 19.5";
    EXPECT_EQ(ed->statusLabel->text(), told);
    EXPECT_EQ(ed->findChild<QLabel*>("notice")->accessibleName(), told); // heard once, the focus left alone
    EXPECT_TRUE(msgs.messages.empty());
    EXPECT_EQ(Forms::IfLoaded<BalanceWindow>()->cashBox->text(), "504875"); // the windows follow
    EXPECT_EQ(GridRows(*f->grid).value(1).section('|', 6, 6), "filled"); // newest first
    // A note is kept in the same words in every language, and shown in the player's.
    EXPECT_EQ(GridRows(*f->grid).value(7).section('|', 7),
        "Sum of this thansaction 195000 and is more than your cash 110000");
}
