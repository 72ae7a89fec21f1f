// The trade rules' verdicts, what a move brings and what the market does for
// the player, as the rules return them, in a game of its own folder.
#include "dao/Dao.h"
#include "data/NewGame.h"
#include "data/OrderBook.h"
#include "game/Session.h"
#include "market/MarketTick.h"
#include "market/PriceFactor.h"
#include "trading/ExecuteTrade.h"
#include "trading/MarketTrades.h"
#include "ui/App.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using dao::Currency;
using dao::Value;

class Rules : public ::testing::Test {
protected:
    void SetUp() override
    {
        App::SetFolder(dir_.path());
        QString market = QString::fromUtf8(TICORA_STARTER_MARKET);
#ifdef Q_OS_WIN
        if (market.startsWith(QLatin1Char('/'))) // on the drive the run started on
            market = QDir::currentPath().left(2) + market;
#endif
        ASSERT_TRUE(QFile::copy(market, App::MarketFile()));
        QFile::setPermissions(App::MarketFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        Session::Current().Clock().UseHandTime(true);
        ASSERT_EQ(NewGame::Create("Rule", {}), QString());
        Session::Current().Clock().SetTime(dao::naiveDateTime(QDate(2026, 12, 10), QTime(10, 0)));
        Market::SetDrawSource([](int, int hi) { return hi; }); // every price up by 2.505 %, no news
    }
    void TearDown() override
    {
        Market::SetDrawSource({});
        Session::Current().Reset();
        dao::releaseAll();
    }
    static const Game& game() { return *Session::Current().CurrentGame(); }
    static void setPrice(const char* symbol, double price)
    {
        dao::Database m = dao::Database::open(App::MarketFile());
        dao::Recordset rs = m.openTable("Stocks Information");
        for (; !rs.eof(); rs.moveNext())
            if (rs.field("stocksymbol") == Value(symbol)) {
                rs.edit();
                rs.setField("Stockcurrent Price", price);
                rs.update();
            }
    }
    static int logged() { return game().Open().openTable("Traderesult").recordCount(); }
    QTemporaryDir dir_;
};

namespace {
/// A trade's steps: the stock at its price, the units as typed, the type, and what is said.
using TradeStep = std::tuple<const char*, double, const char*, TradeType, const char*>;
using Steps = std::vector<TradeStep>;
constexpr TradeType Buy = TradeType::Buy, Sell = TradeType::Sell, Short = TradeType::SellShort,
                    Cover = TradeType::CoverShort, None = TradeType::None;
} // namespace

class TradeVerdicts : public Rules, public ::testing::WithParamInterface<Steps> { };

TEST_P(TradeVerdicts, AreSaidAndOnlyARecordedTradeIsLogged)
{
    int recorded = 0;
    for (const auto& [symbol, price, units, type, said] : GetParam()) {
        SCOPED_TRACE(said);
        setPrice(symbol, price);
        const Trading::TradeResult r =
            Trading::ExecuteTrade(game(), Trading::Trade{symbol, Currency::fromDouble(price), units, type});
        EXPECT_EQ(r.said.text, said);
        EXPECT_EQ(r.said.caption, r.said.text.startsWith("You must") ? "UnitsSheet Error" : "");
        recorded += r.recorded;
        EXPECT_EQ(logged(), recorded);
    }
}

INSTANTIATE_TEST_SUITE_P(UnitsAndTypeAreCheckedFirst, TradeVerdicts,
    ::testing::Values(Steps{{"ALDR", 12.34, "abc", None, "You must enter a valid units amount."}},
        Steps{{"ALDR", 12.34, "0", Buy, "You must enter a valid units amount."}},
        Steps{{"ALDR", 12.34, "-5", Buy, "You must enter a valid units amount."}},
        Steps{{"ALDR", 12.34, "", Buy, "You must enter a valid units amount."}},
        Steps{{"ALDR", 12.34, "2.5", Buy, "You must enter a valid units amount."}},
        Steps{{"ALDR", 12.34, "1e10", Buy, "You must enter a valid units amount."}},
        Steps{{"ALDR", 12.34, "5", None, "Choose transaction type"}}));

INSTANTIATE_TEST_SUITE_P(APurchaseCostsAtMostTheCashToTheTenThousandth, TradeVerdicts,
    ::testing::Values(
        Steps{{"BRKW", 60000, "10", Buy, "Sum of this thansaction 600000 and is more than your cash 500000"},
            {"BRKW", 50000.0001, "10", Buy, "Sum of this thansaction 500000.001 and is more than your cash 500000"}},
        Steps{{"BRKW", 50000, "10", Buy, "You bought 10 of BRKW at a price 50000.0000 for the overall sum 500000"},
            {"ALDR", 12.34, "1", Buy, "Sum of this thansaction 12.34 and is more than your cash 0"}}));

INSTANTIATE_TEST_SUITE_P(ASaleSellsAtMostTheUnitsHeld, TradeVerdicts,
    ::testing::Values(Steps{{"ALDR", 12.34, "1", Sell, "You don't have any stock to sell"}},
        Steps{{"ALDR", 12.34, "10", Buy, "You bought 10 of ALDR at a price 12.3400 for the overall sum 123.4"},
            {"CINX", 1, "1", Sell, "You don't have this kind of stock!"},
            {"ALDR", 12.34, "11", Sell, "You don't have this number of stock"}},
        Steps{{"ALDR", 12.34, "1", Buy, "You bought 1 of ALDR at a price 12.3400 for the overall sum 12.34"},
            {"ALDR", 12.34, "1", Sell, "You sold 1 of ALDR at a price 12.3400 for the overall sum 12.34"},
            {"ALDR", 12.34, "1", Sell, "You don't have this number of stock"}})); // its row stays, with 0 units

INSTANTIATE_TEST_SUITE_P(AShortSaleNeedsNoLongAndABalanceOfHalfTheShorts, TradeVerdicts,
    ::testing::Values(
        Steps{{"ALDR", 12.34, "1", Buy, "You bought 1 of ALDR at a price 12.3400 for the overall sum 12.34"},
            {"ALDR", 12.34, "1", Short, "You hold 1 of ALDR: sell them before you sell short."},
            {"ALDR", 12.34, "1", Sell, "You sold 1 of ALDR at a price 12.3400 for the overall sum 12.34"},
            {"ALDR", 12.34, "1", Short, "You sold short 1 of ALDR at a price 12.3400 for the overall sum 12.34"}},
        Steps{{"BRKW", 100000.0001, "10", Short,
                  "A short sale of 1000000.001 needs a balance of at least half of your short positions: your "
                  "balance would be 500000 and half of your short positions 500000.0005."},
            {"BRKW", 100000, "10", Short,
                "You sold short 10 of BRKW at a price 100000.0000 for the overall sum 1000000"}, // 50 % exactly
            {"BRKW", 150000.0001, "10", Cover,
                "Sum of this thansaction 1500000.001 and is more than your cash 1500000"},
            {"BRKW", 150000, "10", Cover, "You covered 10 of BRKW at a price 150000.0000 for the overall sum 1500000"}},
        Steps{{"ALDR", 12.34, "1", Cover, "You have no short position in ALDR."},
            {"ALDR", 12.34, "5", Short, "You sold short 5 of ALDR at a price 12.3400 for the overall sum 61.7"},
            {"ALDR", 12.34, "6", Cover, "You are short only 5 of ALDR."},
            {"ALDR", 12.34, "1", Sell, "You don't have this number of stock"}, // a sale never opens a short
            {"ALDR", 12.34, "3", Cover, "You covered 3 of ALDR at a price 12.3400 for the overall sum 37.02"},
            {"ALDR", 12.34, "2", Buy, "You bought 2 of ALDR at a price 12.3400 for the overall sum 24.68"},
            {"ALDR", 12.34, "1", Cover, "You have no short position in ALDR."}}));

TEST_F(Rules, ATradeReturnsItsSumAndWhetherTheOtherWindowsHaveAnythingToFollow)
{
    using Trading::Trade;
    const Currency ten = Currency::fromDouble(10);
    const Trading::TradeResult bought = Trading::ExecuteTrade(game(), Trade{"ALDR", ten, "3", Buy});
    EXPECT_EQ(bought.sum, Currency::fromDouble(30));
    EXPECT_TRUE(bought.recorded && bought.ranToEnd);
    const Trading::TradeResult units = Trading::ExecuteTrade(game(), Trade{"ALDR", ten, "x", Buy});
    EXPECT_TRUE(units.said.warns && !units.ranToEnd && !units.sum);
    const Trading::TradeResult cash = Trading::ExecuteTrade(game(), Trade{"ALDR", ten, "60000", Buy});
    EXPECT_TRUE(cash.sum && !cash.recorded && !cash.ranToEnd); // refused for want of cash
    EXPECT_TRUE(Trading::ExecuteTrade(game(), Trade{"ALDR", {}, "1", Buy}).said.text.startsWith("Choose a stock"));
    Session::Current().Clock().SetTime(std::nullopt); // a clock that shows no time lets the trade through
    EXPECT_TRUE(Trading::ExecuteTrade(game(), Trade{"ALDR", ten, "1", Buy}).recorded);
    Session::Current().Clock().SetTime(dao::naiveDateTime(QDate(2026, 12, 10), QTime(16, 0)));
    EXPECT_EQ(Trading::ExecuteTrade(game(), Trade{"ALDR", ten, "x", Buy}).said.text,
        "Varnel Stock Exchange is closed at the moment."); // the hours come first
}

TEST_F(Rules, AMoveReturnsItsHeadlinesTheZeroPricesToTellOnceAGameAndItsFailureOnce)
{
    setPrice("CINX", 0);
    setPrice("EMBR", 0);
    Market::Moved first = Market::Tick(&game());
    EXPECT_TRUE(first.moved);
    EXPECT_EQ(first.zeroPrices, QStringList({"CINX", "EMBR"}));
    EXPECT_EQ(first.headlines, QStringList()); // no news in this game's market
    Session::Current().SetNews(true);
    Market::SetDrawSource([](int, int hi) { return hi == 840 ? 1 : hi; }); // the market's news
    const Market::Moved second = Market::Tick(&game());
    EXPECT_EQ(second.zeroPrices, QStringList()); // told already
    EXPECT_EQ(second.headlines, QStringList("Markets slide as interest rates rise"));
    dao::releaseAll(); // no connection holds it, as Windows needs to delete it
    ASSERT_TRUE(QFile::remove(App::MarketFile()));
    EXPECT_TRUE(Market::Tick(&game()).failure.startsWith("The market could not move"));
    EXPECT_EQ(Market::Tick(&game()).failure, QString()); // told once while it lasts
}

TEST_F(Rules, TheMarketsTradesReturnTheirFillsAndTheMarginCall)
{
    setPrice("ALDR", 10);
    {
        dao::Database file = game().Open();
        OrderBook::Place(file, {0, "ALDR", TradeType::Buy, OrderBook::Condition::AtOrAbove,
                                   dao::Currency::fromDouble(10), 5, QDateTime()});
    }
    const Trading::Fills fills = Trading::FillOrders(game());
    EXPECT_EQ(fills.told, QStringList("bought 5 of ALDR at 10"));
    EXPECT_TRUE(fills.changed);
    for (const char* s : {"BRKW", "CINX"}) {
        setPrice(s, 1000);
        EXPECT_TRUE(Trading::ExecuteTrade(game(), {s, Currency::fromDouble(1000), "500", Short}).recorded) << s;
    }
    setPrice("BRKW", 1500), setPrice("CINX", 1500); // the shorts now worth 1500000, the balance 0
    EXPECT_EQ(Trading::CallMargin(game()).told,
        "Margin call: your balance 0 fell below 30 % of your short positions 1500000, so they were covered at the "
        "market's prices.");
    QStringList rows; // both covered in one go at the market's prices, the long ALDR kept
    for (dao::Recordset rs = game().Open().openTable("Traderesult"); !rs.eof(); rs.moveNext())
        rows << rs.field("Symbol").asText() + " " + QString::number(rs.field("Units").asLong());
    EXPECT_EQ(rows, QStringList({"ALDR 5", "BRKW -500", "CINX -500", "BRKW 500", "CINX 500"}));
    EXPECT_EQ(Trading::CallMargin(game()).told, QString()); // nothing short is left to call
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

TEST(OrderCondition, IsMetAtItsPriceExactlyAndPastItButNotShortOfIt)
{
    using enum OrderBook::Condition;
    const std::tuple<OrderBook::Condition, double, bool> cases[] = {{AtOrBelow, 20, true}, {AtOrBelow, 19.9999, true},
        {AtOrBelow, 20.0001, false}, {AtOrAbove, 20, true}, {AtOrAbove, 20.0001, true}, {AtOrAbove, 19.9999, false}};
    for (const auto& [condition, price, met] : cases) {
        OrderBook::Order o;
        o.condition = condition;
        o.price = Currency::fromDouble(20);
        EXPECT_EQ(o.MetBy(Currency::fromDouble(price)), met)
            << OrderBook::Code(condition).toStdString() << " 20, at " << price;
    }
}
