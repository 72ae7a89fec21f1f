// The game at a glance in the main window: each figure follows what changes
// it, as the Balance window reads the files.
#include "data/OrderBook.h"
#include "support/GameFixture.h"

class GlanceTest : public OpenGameTest {
protected:
    /// The panel's money figures against the Balance window's, to the cent.
    void expectAsTheBalance()
    {
        const BalanceWindow* b = &Opened<BalanceWindow>();
        const GamePanel* g = ed->glance;
        EXPECT_EQ(g->cashBox->text(), b->cashBox->text());
        EXPECT_EQ(g->stocksBox->text(), b->stocksBox->text().isEmpty() ? "0" : b->stocksBox->text());
        EXPECT_EQ(g->balanceBox->text(), b->balanceBox->text());
        const dao::Currency change = money(Numbers::Val(b->balanceBox->text())) - money(500000);
        EXPECT_EQ(g->sinceStartBox->text().section(' ', 0, 0),
            (change > dao::Currency() ? "+" : "") + Numbers::PlainText(change));
    }
};

TEST_F(GlanceTest, TheMainWindowShowsTheGameAndFollowsATradeAShortAMoveAndAFill)
{
    ed->balanceAction->trigger();
    const GamePanel* g = ed->glance;
    EXPECT_TRUE(g->isVisibleTo(ed));
    EXPECT_EQ(g->playerBox->text(), "Trader");
    EXPECT_EQ(g->sinceStartBox->text(), "0 (0.00 %)");
    trade("ALDR", "10", "Buy");
    expectAsTheBalance();
    trade("BRKW", "5", "Sell short");
    expectAsTheBalance();
    EXPECT_EQ(g->todayBox->text(), g->sinceStartBox->text()); // the game's first day
    dao::Database file = game()->Open();
    OrderBook::Place(file,
        {0, "CINX", OrderBook::Type::Buy, OrderBook::Condition::AtOrAbove, dao::Currency::fromTicks(1), 3,
            at(0, 10, 0)});
    OrderBook::Place(file,
        {0, "CINX", OrderBook::Type::Buy, OrderBook::Condition::AtOrBelow, dao::Currency::fromTicks(1), 3,
            at(0, 10, 0)});
    ScriptDraws({100});
    Tick(); // the first order fills; the second waits
    expectAsTheBalance();
    EXPECT_EQ(g->ordersBox->text(), "1");
    EXPECT_TRUE(g->newsBox->text().startsWith("Order filled: bought 3 of CINX at "));
    EXPECT_EQ(ed->statusLabel->toolTip(), g->newsBox->text()); // whole, where the bar has no room
    EXPECT_EQ(ed->statusLabel->accessibleDescription(), g->newsBox->text());
    EXPECT_EQ(ed->statusLabel->font(), ed->statusBar->font()); // the status bar's own size
    msgs.answers.push_back(Ui::Answer::Yes); // ended for good
    ed->closeAction->trigger();
    EXPECT_FALSE(g->isVisibleTo(ed));
    EXPECT_EQ(ed->statusLabel->text(), "");
    startGame("Next");
    EXPECT_EQ(g->newsBox->text(), "");
}
