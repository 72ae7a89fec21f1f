// The game at a glance in the main window, and the desk's cash and units held:
// each follows what changes it, as the Balance window reads the files.
#include "data/OrderBook.h"
#include "support/GameFixture.h"

class GlanceTest : public OpenGameTest {
protected:
    /// The panel's money figures against the Balance window's, to the cent.
    void expectAsTheBalance()
    {
        Module1::RefreshBalance(game());
        const Form3* b = Forms::IfLoaded<Form3>();
        const GamePanel* g = ed->glance;
        EXPECT_EQ(g->txtCash->text(), b->cashbalance->text());
        EXPECT_EQ(g->txtStocks->text(), b->Text3->text().isEmpty() ? "0" : b->Text3->text());
        EXPECT_EQ(g->txtBalance->text(), b->Text4->text());
        const dao::Currency change = money(Numbers::Val(b->Text4->text())) - money(500000);
        EXPECT_EQ(g->txtSinceStart->text().section(' ', 0, 0),
            (change > dao::Currency() ? "+" : "") + Numbers::PlainText(change));
    }
};

TEST_F(GlanceTest, TheMainWindowShowsTheGameAndFollowsATradeAShortAMoveAndAFill)
{
    ed->mnuAnalyzeItem(0)->trigger();
    const GamePanel* g = ed->glance;
    EXPECT_TRUE(g->isVisibleTo(ed));
    EXPECT_EQ(g->txtPlayer->text(), "Trader");
    EXPECT_EQ(g->txtSinceStart->text(), "0 (0.00 %)");
    trade("ALDR", "10", "Buy");
    expectAsTheBalance();
    trade("BRKW", "5", "Sell short");
    expectAsTheBalance();
    EXPECT_EQ(g->txtToday->text(), g->txtSinceStart->text()); // the game's first day
    dao::Database file = game()->Open();
    OrderBook::Place(file,
        {0, "CINX", OrderBook::Type::Buy, OrderBook::Condition::AtOrAbove, dao::Currency::fromTicks(1), 3,
            at(0, 10, 0)});
    OrderBook::Place(file,
        {0, "CINX", OrderBook::Type::Buy, OrderBook::Condition::AtOrBelow, dao::Currency::fromTicks(1), 3,
            at(0, 10, 0)});
    ScriptDraws({100});
    Module1::MarketTick(Session::Current().CurrentGame()); // the first order fills; the second waits
    expectAsTheBalance();
    EXPECT_EQ(g->txtOrders->text(), "1");
    EXPECT_TRUE(g->txtNews->text().startsWith("Order filled: bought 3 of CINX at "));
    EXPECT_EQ(ed->lblStatus->toolTip(), g->txtNews->text()); // whole, where the bar has no room
    EXPECT_EQ(ed->lblStatus->accessibleDescription(), g->txtNews->text());
    EXPECT_EQ(ed->lblStatus->font(), ed->Picture1->font()); // the status bar's own size
    msgs.answers.push_back(Ui::Answer::Yes); // ended for good
    ed->mnuFileItem(3)->trigger();
    EXPECT_FALSE(g->isVisibleTo(ed));
    EXPECT_EQ(ed->lblStatus->text(), "");
    startGame("Next");
    EXPECT_EQ(g->txtNews->text(), "");
}

TEST_F(GlanceTest, TheDeskShowsTheCashAndTheUnitsHeldAndForgetsTheLastStocksSum)
{
    trade("ALDR", "5", "Sell short");
    Form1* desk = Forms::IfLoaded<Form1>();
    EXPECT_EQ(desk->txtHeld->text(), "-5");
    EXPECT_EQ(desk->txtCash->text(), Numbers::PlainText(money(500000) + money(Numbers::Val(desk->Result->text()))));
    ChooseByKey(desk->Combo1, "BRKW");
    EXPECT_EQ(desk->Result->text(), "");
    EXPECT_EQ(desk->txtHeld->text(), "0");
    const QList<QLabel*> labels = desk->findChildren<QLabel*>();
    for (QLineEdit* box : {desk->ListCurprice, desk->Result, desk->stockname, desk->txtCash, desk->txtHeld}) {
        const auto title = std::find_if(labels.begin(), labels.end(), [box](QLabel* l) { return l->buddy() == box; });
        ASSERT_NE(title, labels.end()) << box->objectName().toStdString();
        EXPECT_EQ(box->accessibleName(), (*title)->text());
    }
}
