// A trade's verdict, what a move brings and what the market does for the
// player, as the rules return them, in a game of their own folder.
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

namespace {
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
            if (rs.field("stocksymbol") == dao::Value(symbol)) {
                rs.edit();
                rs.setField("Stockcurrent Price", price);
                rs.update();
            }
    }
    QTemporaryDir dir_;
};
} // namespace

TEST_F(Rules, ATradeReturnsItsVerdictItsSumAndWhetherItWasRecorded)
{
    setPrice("ALDR", 10);
    using Trading::Trade;
    const dao::Currency ten = dao::Currency::fromDouble(10);
    const Trading::TradeResult bought = Trading::ExecuteTrade(game(), Trade{"ALDR", ten, "3", TradeType::Buy});
    EXPECT_EQ(bought.said.text, "You bought 3 of ALDR at a price 10.0000 for the overall sum 30");
    EXPECT_EQ(bought.sum, dao::Currency::fromDouble(30));
    EXPECT_TRUE(bought.recorded && bought.ranToEnd);
    const Trading::TradeResult units = Trading::ExecuteTrade(game(), Trade{"ALDR", ten, "x", TradeType::Buy});
    EXPECT_EQ(units.said.caption, "UnitsSheet Error");
    EXPECT_TRUE(units.said.warns && !units.ranToEnd && !units.sum);
    const Trading::TradeResult cash = Trading::ExecuteTrade(game(), Trade{"ALDR", ten, "60000", TradeType::Buy});
    EXPECT_TRUE(cash.sum && !cash.recorded && !cash.ranToEnd); // refused for want of cash
    Session::Current().Clock().SetTime(dao::naiveDateTime(QDate(2026, 12, 10), QTime(16, 0)));
    EXPECT_EQ(Trading::ExecuteTrade(game(), Trade{"ALDR", ten, "1", TradeType::Buy}).said.text,
        "Varnel Stock Exchange is closed at the moment.");
}

TEST_F(Rules, AMoveReturnsItsHeadlinesTheZeroPricesToTellOnceAGameAndItsFailureOnce)
{
    setPrice("CINX", 0);
    Market::Moved first = Market::Tick(&game());
    EXPECT_TRUE(first.moved);
    EXPECT_EQ(first.zeroPrices, QStringList("CINX"));
    EXPECT_EQ(first.headlines, QStringList()); // no news in this game's market
    Session::Current().SetNews(true);
    Market::SetDrawSource([](int, int hi) { return hi == 840 ? 1 : hi; }); // the market's news
    const Market::Moved second = Market::Tick(&game());
    EXPECT_EQ(second.zeroPrices, QStringList()); // told already
    EXPECT_EQ(second.headlines, QStringList("Markets slide as interest rates rise"));
    QFile::remove(App::MarketFile());
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
    setPrice("BRKW", 1000);
    EXPECT_TRUE(Trading::ExecuteTrade(game(), {"BRKW", dao::Currency::fromDouble(1000), "1000", TradeType::SellShort})
                    .recorded);
    setPrice("BRKW", 1500); // the shorts now worth 1500000, the balance 0
    const Trading::Call call = Trading::CallMargin(game());
    EXPECT_TRUE(call.told.startsWith("Margin call: your balance ")) << call.told.toStdString();
    EXPECT_EQ(Trading::CallMargin(game()).told, QString()); // nothing short is left to call
}
