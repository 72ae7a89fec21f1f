#include "app/PictureBox.h"
#include "app/kit/Exchange.h"
#include "app/kit/Module1.h"
#include "app/kit/Numbers.h"
#include "app/kit/VbTimer.h"
#include "support/GameFixture.h"
#include "trading/Form1.h"
#include "trading/Form3.h"
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <sqlite3.h>

using namespace dao;

namespace {

class TradingTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        startGame("Trader");
        setClock(at(0, 10, 0));
        setPrice("ALDR", 12.34);
        ed->mnuAssetitem(0)->trigger();
        desk = Forms::IfLoaded<Form1>();
        ASSERT_NE(desk, nullptr);
    }
    /// Chooses a list entry with the keyboard, as a player would.
    void choose(const QString& symbol)
    {
        const int i = desk->Combo1->findText(symbol);
        ASSERT_GE(i, 0) << symbol.toStdString();
        desk->Combo1->setCurrentIndex(i - 1);
        QTest::keyClick(desk->Combo1, Qt::Key_Down);
        ASSERT_EQ(desk->Combo1->currentText(), symbol);
    }
    void trade(const QString& symbol, const QString& units, QRadioButton* type)
    {
        choose(symbol);
        desk->quantity->clear();
        QTest::keyClicks(desk->quantity, units);
        if (type)
            QTest::mouseClick(type, Qt::LeftButton);
        enter();
    }
    void enter() { QTest::mouseClick(desk->Command2, Qt::LeftButton); }
    struct Row {
        QString symbol;
        Value price, units, result;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> log()
    {
        std::vector<Row> out;
        Database g = Database::open(path("Trader.sav"));
        Recordset rs = g.openSnapshot("Traderesult");
        for (int i = 0; i < rs.recordCount(); ++i, rs.moveNext())
            out.push_back({rs.field("Symbol").asText(), rs.field("Price"), rs.field("Units"), rs.field("Result")});
        return out;
    }
    QString last() const { return msgs.messages.empty() ? QString() : msgs.messages.back().text; }

    Form1* desk = nullptr;
};

Value money(double v) { return Currency::fromDouble(v); }

TEST_F(TradingTest, DeskOpensWithTheListAndNothingChosen)
{
    QStringList listed;
    for (int i = 0; i < desk->Combo1->count(); ++i)
        listed << desk->Combo1->itemText(i);
    QStringList symbols;
    for (const auto& s : stocks())
        symbols << s.symbol;
    EXPECT_EQ(listed, symbols);
    EXPECT_EQ(desk->Combo1->currentText(), "Select a stock");
    // Only the units take typing: the stock's figures come from choosing it.
    for (QLineEdit* e : {desk->stockname, desk->Text1, desk->Text2, desk->Text3, desk->Text4, desk->ListCurprice,
             desk->Result, desk->quantity}) {
        EXPECT_TRUE(e->text().isEmpty()) << e->objectName().toStdString();
        QTest::keyClicks(e, "0.0001");
        EXPECT_EQ(e->text(), e == desk->quantity ? "0.0001" : "") << e->objectName().toStdString();
        EXPECT_TRUE(e->focusPolicy() & Qt::TabFocus);
    }
    EXPECT_EQ(desk->types->checkedButton(), nullptr);
    EXPECT_EQ(desk->windowTitle(), "Trading desk");
    EXPECT_EQ(desk->focusWidget(), desk->Comman1);
    QStringList chain; // the widgets Tab reaches, in order
    for (QWidget* w = desk->Comman1; chain.size() < 16; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() && !w->isWindow())
            chain << w->objectName();
    EXPECT_EQ(chain,
        QStringList({"Comman1", "Command2", "quantity", "optBuybutton", "optSellButton", "Covshort", "Selshort",
            "Result", "stockname", "Text1", "Text2", "Text3", "Text4", "ListCurprice", "Combo1", "Command1"}));
    EXPECT_EQ(desk->Label2->buddy(), desk->quantity);
    EXPECT_EQ(desk->Label1->buddy(), desk->Text1);
    EXPECT_FALSE(desk->ListCurprice->accessibleName().isEmpty());
}

TEST_F(TradingTest, ChoosingShowsASnapshotOfTheStock)
{
    choose("ALDR");
    EXPECT_EQ(desk->Text1->text(), "ALDR");
    EXPECT_EQ(desk->Text2->text(), "12.34");
    EXPECT_EQ(desk->ListCurprice->text(), "12.34");
    EXPECT_EQ(desk->stockname->text(), "Aldren Mining");
    EXPECT_FALSE(desk->Text3->text().isEmpty());
    EXPECT_FALSE(desk->Text4->text().isEmpty());
    ScriptDraws({100});
    Module1::MarketTick();
    EXPECT_EQ(desk->ListCurprice->text(), "12.34"); // the tick leaves the desk alone
    QTest::keyClicks(desk->quantity, "10");
    QTest::mouseClick(desk->optBuybutton, Qt::LeftButton);
    enter();
    EXPECT_EQ(log().back().price, money(12.34));
    choose("ALDR");
    EXPECT_EQ(desk->ListCurprice->text(), "12.6491"); // read afresh: 12.34 * 1.02505
}

TEST_F(TradingTest, PurchaseIsLoggedAndConfirmed)
{
    trade("ALDR", "10", desk->optBuybutton);
    EXPECT_EQ(last(), "You bought 10 of ALDR at a price 12.3400 for the overall sum 123.4");
    EXPECT_EQ(msgs.messages.back().caption, "Varnel Ticora");
    EXPECT_EQ(msgs.messages.back().icon, Ui::Icon::None);
    EXPECT_EQ(log(), (std::vector<Row>{{"ALDR", money(12.34), Value(int64_t(10)), money(-123.4)}}));
    EXPECT_EQ(desk->Result->text(), "123.4");
    EXPECT_EQ(Module1::TradePrice, Value("12.3400"));
    EXPECT_EQ(Module1::CashAvailable, money(500000));
    enter(); // the desk keeps its contents: Enter again repeats the trade
    EXPECT_EQ(log().size(), 2u);
    EXPECT_EQ(Module1::CashAvailable, money(499876.6));
    // A price of more than four decimals trades at the price confirmed, everywhere.
    desk->ListCurprice->setText("12.34567");
    enter();
    EXPECT_EQ(last(), "You bought 10 of ALDR at a price 12.3457 for the overall sum 123.457");
    EXPECT_EQ(desk->Result->text(), "123.457");
    EXPECT_EQ(log().back().result, money(-123.457));
}

TEST_F(TradingTest, ExchangeHoursAtTheirEdges)
{
    struct Case {
        QTime t;
        bool open;
    } cases[] = {
        {QTime(8, 59, 59), false}, {QTime(9, 0, 0), true}, {QTime(15, 59, 59), true}, {QTime(16, 0, 0), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t.toString().toStdString());
        setClock(dao::naiveDateTime(ed->baseDate, c.t));
        const size_t rows = log().size();
        trade("ALDR", "1", desk->optBuybutton);
        if (c.open) {
            EXPECT_TRUE(last().startsWith("You bought 1 of ALDR"));
            EXPECT_EQ(log().size(), rows + 1);
        } else {
            EXPECT_EQ(last(), "Varnel Stock Exchange is closed at the moment.");
            EXPECT_EQ(log().size(), rows);
        }
    }
    // A clock that shows no time lets the trade through.
    ed->Label1->clear();
    Exchange::SetShown(std::nullopt);
    trade("ALDR", "1", desk->optBuybutton);
    EXPECT_TRUE(last().startsWith("You bought"));
}

TEST_F(TradingTest, UnitsAreReadAsTheLeadingWholeNumber)
{
    struct Case {
        const char* typed;
        int stored; // 0: refused
    } cases[] = {{"0", 0}, {"-5", 0}, {"", 0}, {"abc", 0}, {"2.5", 0}, {"1e10", 0}, {"10abc", 10}, {"1 0", 10},
        {" 3 ", 3}, {"1e1", 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        msgs.messages.clear();
        const size_t rows = log().size();
        trade("ALDR", c.typed, desk->optBuybutton);
        ASSERT_EQ(msgs.messages.size(), 1u);
        if (c.stored == 0) {
            EXPECT_EQ(last(), "You must enter a valid units amount.");
            EXPECT_EQ(msgs.messages[0].caption, "UnitsSheet Error");
            EXPECT_EQ(msgs.messages[0].icon, Ui::Icon::Exclamation);
            EXPECT_EQ(log().size(), rows);
        } else {
            ASSERT_EQ(log().size(), rows + 1);
            EXPECT_EQ(log().back().units, Value(int64_t(c.stored)));
            EXPECT_EQ(log().back().result, money(-12.34 * c.stored));
        }
    }
}

TEST_F(TradingTest, TheTypeIsAskedForOnlyAfterTheUnitsPass)
{
    trade("ALDR", "abc", nullptr);
    EXPECT_EQ(last(), "You must enter a valid units amount.");
    trade("ALDR", "5", nullptr);
    EXPECT_EQ(last(), "Choose transaction type");
    EXPECT_TRUE(desk->Result->text().isEmpty());
    EXPECT_TRUE(log().empty());
}

TEST_F(TradingTest, PurchasesAreLimitedByTheCash)
{
    setPrice("BRKW", 60000);
    trade("BRKW", "10", desk->optBuybutton);
    EXPECT_EQ(last(), "Sum of this thansaction 600000 and is more than your cash 500000");
    EXPECT_EQ(desk->Result->text(), "600000"); // a refused trade still shows its sum
    setPrice("BRKW", 50000.0001);
    trade("BRKW", "10", desk->optBuybutton);
    EXPECT_EQ(last(), "Sum of this thansaction 500000.001 and is more than your cash 500000");
    EXPECT_TRUE(log().empty());
    setPrice("BRKW", 50000);
    trade("BRKW", "10", desk->optBuybutton); // exactly the cash
    EXPECT_EQ(last(), "You bought 10 of BRKW at a price 50000.0000 for the overall sum 500000");
    trade("ALDR", "1", desk->optBuybutton);
    EXPECT_EQ(last(), "Sum of this thansaction 12.34 and is more than your cash 0");
    EXPECT_EQ(log().size(), 1u);
}

TEST_F(TradingTest, SalesAreLimitedByTheUnitsHeld)
{
    trade("ALDR", "1", desk->optSellButton);
    EXPECT_EQ(last(), "You don't have any stock to sell");
    trade("ALDR", "10", desk->optBuybutton);
    trade("CINX", "1", desk->optSellButton);
    EXPECT_EQ(last(), "You don't have this kind of stock!");
    trade("ALDR", "11", desk->optSellButton);
    EXPECT_EQ(last(), "You don't have this number of stock");
    trade("ALDR", "10", desk->optSellButton);
    EXPECT_EQ(last(), "You sold 10 of ALDR at a price 12.3400 for the overall sum 123.4");
    trade("ALDR", "1", desk->optSellButton); // its row stays, with 0 units
    EXPECT_EQ(last(), "You don't have this number of stock");
    EXPECT_EQ(log(),
        (std::vector<Row>{{"ALDR", money(12.34), Value(int64_t(10)), money(-123.4)},
            {"ALDR", money(12.34), Value(int64_t(-10)), money(123.4)}}));
    EXPECT_EQ(Database::open(path("Trader.sav")).openSnapshot("Result").field("Sum Of Result"), money(0));
}

TEST_F(TradingTest, AHoldingLaterInThePositionOrderCanBeSold)
{
    trade("ALDR", "2", desk->optBuybutton);
    trade("BRKW", "8", desk->optBuybutton);
    trade("BRKW", "5", desk->optSellButton);
    EXPECT_TRUE(last().startsWith("You sold 5 of BRKW at a price ")) << last().toStdString();
    EXPECT_EQ(log().back().units, Value(int64_t(-5)));
    EXPECT_GT(log().back().result.asCurrency(), Currency());
}

TEST_F(TradingTest, ShortTypesRecordNothing)
{
    trade("ALDR", "10", desk->optBuybutton);
    trade("ALDR", "3", desk->Covshort);
    EXPECT_EQ(last(), "Otkupili short");
    trade("ALDR", "3", desk->Selshort);
    EXPECT_EQ(last(), "prodali short");
    EXPECT_EQ(log().size(), 1u);
    EXPECT_EQ(desk->Result->text(), "37.02");
}

TEST_F(TradingTest, NoStockChosenIsRefusedBeforeTheSum)
{
    trade("ALDR", "10", desk->optBuybutton);
    desk->Text1->clear();
    desk->ListCurprice->clear();
    desk->Result->setText("earlier");
    enter();
    EXPECT_EQ(last(), "Choose a stock from the list first.");
    desk->Text1->setText("ALDR");
    desk->ListCurprice->setText("twelve");
    enter();
    EXPECT_EQ(last(), "Choose a stock from the list first.");
    EXPECT_EQ(desk->Result->text(), "earlier");
    EXPECT_EQ(log().size(), 1u);
}

TEST_F(TradingTest, AFailingGameFileIsReportedAndNothingConfirmed)
{
    // Locked by another program.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path("Trader.sav")).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    trade("ALDR", "10", desk->optBuybutton);
    EXPECT_TRUE(last().startsWith("The trade could not be recorded in the game file: ")) << last().toStdString();
    EXPECT_EQ(msgs.messages.back().icon, Ui::Icon::Critical);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_TRUE(log().empty());
    EXPECT_FALSE(msgs.texts().join("\n").contains("You bought"));

    // Gone altogether.
    releaseAll();
    ASSERT_TRUE(QFile::remove(path("Trader.sav")));
    trade("ALDR", "10", desk->optBuybutton);
    EXPECT_TRUE(last().startsWith("The trade could not be recorded"));
    EXPECT_FALSE(QFile::exists(path("Trader.sav")));
}

TEST_F(TradingTest, CancelClosesTheDeskAndTypesNIntoTheNextFocus)
{
    QLineEdit other;
    other.setObjectName("other");
    other.show();
    QApplication::setActiveWindow(&other);
    other.setFocus();
    desk->show();
    QApplication::setActiveWindow(desk);
    desk->Comman1->setFocus();
    QTest::mouseClick(desk->Comman1, Qt::LeftButton);
    ProcessDeletions();
    EXPECT_EQ(Forms::IfLoaded<Form1>(), nullptr);
    EXPECT_EQ(other.text(), "N");
}

TEST_F(TradingTest, HelpOpensTopicSeven)
{
    QTest::mouseClick(desk->Command1, Qt::LeftButton);
    EXPECT_EQ(desk->property("helpContextID").toInt(), 7);
    ASSERT_EQ(msgs.messages.size(), 1u);
    EXPECT_TRUE(last().contains("zolthelp.hlp")) << last().toStdString();
}

class BalanceTest : public TradingTest {
protected:
    Form3* balance()
    {
        ed->mnuAnalyzeItem(0)->trigger();
        return Forms::IfLoaded<Form3>();
    }
    QStringList amounts(Form3* b) { return {b->cashbalance->text(), b->Text3->text(), b->Text4->text()}; }
};

TEST_F(BalanceTest, NewGameShowsTheStartingCash)
{
    Form3* b = balance();
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(b->showplayername->text(), "Trader");
    EXPECT_EQ(amounts(b), QStringList({"500000", "", "500000"}));
    EXPECT_EQ(b->Timer1->interval(), 1000);
    EXPECT_TRUE(b->Timer1->isRunning());
    EXPECT_EQ(b->lblcash->buddy(), b->cashbalance);
    EXPECT_EQ(b->showplayername->font().pointSize(), 12);
    EXPECT_TRUE(b->showplayername->font().bold());
}

TEST_F(BalanceTest, FollowsTradesAndPrices)
{
    trade("ALDR", "10", desk->optBuybutton);
    Form3* b = balance();
    EXPECT_EQ(amounts(b), QStringList({"499876.6", "123.4", "500000"}));
    setPrice("ALDR", 13);
    b->Timer1_Timer(); // within the hours: refreshed
    EXPECT_EQ(amounts(b), QStringList({"499876.6", "130", "500006.6"}));
    setPrice("ALDR", 14);
    setClock(at(0, 16, 30));
    b->Timer1_Timer(); // outside: left alone
    EXPECT_EQ(b->Text3->text(), "130");
    ed->Label1->clear();
    b->Timer1_Timer(); // no time shown counts as outside
    EXPECT_EQ(b->Text3->text(), "130");
    setClock(at(0, 11, 0));
    trade("ALDR", "10", desk->optSellButton);
    Module1::RefreshBalance();
    EXPECT_EQ(amounts(b), QStringList({"500016.6", "0", "500016.6"}));
}

TEST_F(BalanceTest, TheTickRefreshesItAndCreatesItHidden)
{
    trade("ALDR", "10", desk->optBuybutton);
    ASSERT_EQ(Forms::IfLoaded<Form3>(), nullptr);
    ScriptDraws({100});
    Module1::MarketTick();
    Form3* b = Forms::IfLoaded<Form3>();
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(b->isVisible());
    EXPECT_EQ(b->Text3->text(), Numbers::PlainText(12.6491 * 10));
    EXPECT_TRUE(b->Timer1->isRunning());
    trade("ALDR", "10", desk->optBuybutton); // after the tick: the hidden window does not know yet
    ed->balup->show();
    QTest::mouseClick(ed->balup, Qt::LeftButton);
    EXPECT_EQ(Forms::IfLoaded<Form3>(), b); // showing keeps the same window
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(b->Text3->text(), Numbers::PlainText(12.6491 * 20)); // and shows the figures of now
}

TEST_F(BalanceTest, AHoldingMissingFromTheMarketIsValuedAtZeroAndNamed)
{
    trade("ALDR", "10", desk->optBuybutton);
    trade("BRKW", "1", desk->optBuybutton);
    {
        Database db = market();
        Recordset rs = db.openTable("Stocks Information");
        rs.edit();
        rs.setField("stocksymbol", "aldr"); // no longer the same symbol
        rs.update();
    }
    Form3* b = balance();
    EXPECT_EQ(b->Text3->text(), Numbers::PlainText(stocks()[1].price.toDouble()));
    EXPECT_TRUE(b->lblNote->text().contains("ALDR")) << b->lblNote->text().toStdString();
}

TEST_F(TradingTest, ToolbarAndMenusOpenTheDeskAndTheBalance)
{
    Forms::Unload(desk);
    ProcessDeletions();
    ed->show();
    QTest::mouseClick(ed->tradeup, Qt::LeftButton);
    ASSERT_NE(Forms::IfLoaded<Form1>(), nullptr);
    EXPECT_TRUE(Forms::IfLoaded<Form1>()->isVisible());
    QTest::mouseClick(ed->balup, Qt::LeftButton);
    ASSERT_NE(Forms::IfLoaded<Form3>(), nullptr);
    ed->mnuFileItem(3)->trigger(); // closing the game unloads both
    ProcessDeletions();
    EXPECT_EQ(Forms::LoadedNames(), QStringList({"frmEditor"}));
}

} // namespace
