// The shell: the windows a move tells and the messages it says, after the
// move, in order, whatever box is open; and a game that leaves nothing of
// itself to the next.
#include "support/GameFixture.h"

class ShellTest : public OpenGameTest {
protected:
    /// A minute of the clock, and a move at every tenth, as the timers run them.
    void playMinutes(int minutes)
    {
        for (int i = 0; i < minutes; ++i)
            Session::Current().Clock().Advance(Calendar::kMinuteMs), Deliver();
    }
    /// What the Balance, the Portfolio and the price board show.
    QStringList shown()
    {
        const BalanceWindow& b = Opened<BalanceWindow>();
        return QStringList({b.cashBox->text(), b.stocksBox->text(), b.balanceBox->text()}) +
            GridRows(*Opened<PortfolioWindow>().grid) + GridRows(*Opened<PriceBoard>().grid);
    }
};

TEST_F(ShellTest, AnHourOfMovesMakesNoWindowNobodyOpenedAndOneOpenedLaterShowsWhatOneOpenAllAlongShows)
{
    trade("ALDR", "10", "Buy");
    Forms::Unload(Forms::IfLoaded<TradingDesk>());
    ProcessDeletions();
    ScriptDraws({100, 1, 60});
    playMinutes(60);
    EXPECT_EQ(Forms::Loaded(), QList<QWidget*>({ed})); // six moves, and nothing made for them
    shown(); // opened now, and open for the next hour
    playMinutes(60);
    const QStringList openAllAlong = shown();
    for (QWidget* w : Forms::Loaded())
        if (w != ed)
            Forms::Unload(w);
    ProcessDeletions();
    EXPECT_EQ(shown(), openAllAlong);
}

TEST_F(ShellTest, AMoveWhileABoxIsOpenIsMadeOnTimeAndItsMessageWaitsItsTurn)
{
    setPrice("ALDR", 100000);
    trade("ALDR", "10", "Sell short");
    msgs.messages.clear();
    setPrice("ALDR", 120000); // the next move calls the margin
    ScriptDraws({100});
    QString moved;
    msgs.whileShown = [&] {
        if (!moved.isEmpty())
            return;
        setPrice("CINX", 0); // the move after says so
        moved = Numbers::PlainText(stocks()[0].price);
        Session::Current().Clock().Advance(Calendar::kMarketMs); // the market's timer runs on
        moved = moved == Numbers::PlainText(stocks()[0].price) ? "no move" : "moved";
        EXPECT_EQ(msgs.messages.size(), 1u); // nothing shown over the open box
    };
    Session::Current().Clock().Advance(Calendar::kMarketMs);
    Deliver();
    EXPECT_EQ(moved, "moved");
    ASSERT_EQ(msgs.texts().size(), 2);
    EXPECT_TRUE(msgs.texts()[0].startsWith("Margin call:"));
    EXPECT_TRUE(msgs.texts()[1].startsWith("The price of CINX is 0"));
}

TEST_F(ShellTest, ASecondGameInTheSameRunKeepsNothingOfTheFirst)
{
    sqlite3* other = nullptr; // another program that holds the market now and then: a move that fails
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path("stocks.tqs")).constData(), &other), SQLITE_OK);
    auto moveHeld = [&] {
        sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
        Tick();
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    };
    trade("ALDR", "10", "Buy");
    setPrice("CINX", 0);
    Tick(); // told, for this game
    moveHeld(); // told, for this game
    msgs.answers = {Ui::Answer::Yes};
    ed->closeAction->trigger();
    startGame("Second");
    setClock(at(0, 10, 0));
    msgs.messages.clear();
    moveHeld();
    Tick();
    sqlite3_close(other);
    ASSERT_EQ(msgs.texts().size(), 2) << msgs.texts().join('\n').toStdString(); // told again, as this game's
    EXPECT_TRUE(msgs.texts()[0].startsWith("The market could not move"));
    EXPECT_TRUE(msgs.texts()[1].startsWith("The price of CINX is 0"));
}
