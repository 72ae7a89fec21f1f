#include "support/GameFixture.h"

class ClockTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        startGame("Clara");
    }
    QTime shown() const { return Session::Current().Clock().TimeOfDay().value_or(QTime()); }
};

TEST_F(ClockTest, ADayOpensAtNineClosesAtFourAndJumpsTheNight)
{
    EXPECT_FALSE(Session::Current().Clock().TimeOfDay());
    Minute();
    EXPECT_EQ(ed->clockLabel->text(), Market::ClockText(at(0, 9, 1)));
    EXPECT_EQ(ed->weekdayLabel->text(), QLocale().dayName(Session::Current().Clock().BaseDate().dayOfWeek()));
    EXPECT_EQ(ed->marketTimer->interval(), 10000);
    const std::pair<QTime, bool> steps[] = {{QTime(8, 59), false}, {QTime(9, 0), true}, {QTime(15, 59), true},
        {QTime(16, 0), false}, {QTime(16, 1), false}};
    for (const auto& [t, market] : steps) {
        SCOPED_TRACE(t.toString().toStdString());
        setClock(dao::naiveDateTime(Session::Current().Clock().BaseDate(), t).addSecs(-60));
        Minute();
        EXPECT_EQ(shown(), t);
        EXPECT_EQ(ed->marketTimer->isRunning(), market);
    }
    setClock(at(0, 16, 59));
    Minute(); // 17:00 is shown until the next minute, 09:01 of the next day
    EXPECT_EQ(shown(), QTime(17, 0));
    Minute();
    EXPECT_EQ(ed->clockLabel->text(), Market::ClockText(at(1, 9, 1)));
    EXPECT_TRUE(ed->marketTimer->isRunning()); // every day of the week trades, as the soak plays them
    EXPECT_EQ(ed->weekdayLabel->text(), QLocale().dayName(at(1, 9, 1).date().dayOfWeek()));
}

TEST_F(ClockTest, ADayTheEveningCouldNotPrepareIsPreparedOnceThereIsRoomAndNoTickRunsOnTheDayBefore)
{
    ScriptDraws({30});
    setClock(at(0, 10, 0));
    Tick(); // today's volume and intraday price
    const auto before = stocks();
    {
        FullDisk full(0);
        setClock(at(0, 15, 59));
        for (int minute = 0; minute < 63; ++minute) // the evening, the night jump, 09:01 and 09:02
            Minute();
        EXPECT_EQ(shown(), QTime(9, 2));
        Tick(); // the next day's tick waits for its day
    }
    EXPECT_TRUE(msgs.texts().value(0).startsWith("The new trading day could not be prepared: the disk that holds "));
    EXPECT_EQ(stocks(), before); // nothing moved on the day before's figures
    Minute(); // room again: the next minute prepares the day
    Tick();
    for (const auto& s : stocks()) { // the day's figures are the new day's alone
        SCOPED_TRACE(s.symbol.toStdString());
        EXPECT_EQ(s.volume.toDouble(), 30 * 1000);
        EXPECT_EQ(s.dayRows, 1);
        EXPECT_EQ(std::pair(s.min, s.max), std::pair(s.price, s.price));
    }
    EXPECT_EQ(msgs.texts().size(), 1); // told once
}

TEST(GameClock, APauseKeepsWhatIsLeftAndEverySpeedStretchesEveryPeriodByOneFactor)
{
    GameClock clock;
    clock.UseHandTime(true);
    clock.Run(true);
    GameTimer market(clock, nullptr, true, 10000), minute(clock, nullptr, true, 1000);
    int moves = 0;
    QObject::connect(&market, &GameTimer::timeout, [&] { ++moves; });
    clock.Advance(6000); // 40 % of the market's period left
    clock.SetPaused(true);
    clock.Advance(100000);
    EXPECT_EQ(moves, 0);
    EXPECT_FALSE(market.isRunning());
    EXPECT_EQ(market.remaining(), 4000);
    for (int speed = 0; speed < 6; ++speed) { // paused or not, 40 % of the new period is left
        SCOPED_TRACE(ClockMenu::SpeedName(speed).toStdString());
        clock.SetPaused(speed % 2 == 0);
        clock.SetSpeed(speed);
        const qint64 minuteMs = GameClock::kMinuteMs[size_t(speed)];
        EXPECT_EQ(minute.period(), minuteMs);
        EXPECT_EQ(market.period(), 10 * minuteMs); // ten clock minutes a move at every speed
        EXPECT_EQ(market.remaining(), 4 * minuteMs);
    }
    clock.SetSpeed(GameClock::kNormalSpeed);
    clock.SetPaused(false);
    clock.Advance(3999);
    EXPECT_EQ(moves, 0);
    clock.Advance(1); // resumed, it fires after what was left, then every period
    EXPECT_EQ(moves, 1);
    clock.Advance(20000);
    EXPECT_EQ(moves, 3);
    clock.Faster(); // Slower and Faster stop at the ends
    for (int i = 0; i < 9; ++i)
        clock.Faster();
    EXPECT_EQ(clock.Speed(), 5);
    for (int i = 0; i < 9; ++i)
        clock.Slower();
    EXPECT_EQ(clock.Speed(), 0);
    clock.Run(false); // with no game there is nothing to pause
    clock.SetPaused(true);
    EXPECT_FALSE(clock.Paused());
}

class PauseTest : public OpenGameTest {
protected:
    void SetUp() override
    {
        OpenGameTest::SetUp();
        ed->show();
        QApplication::setActiveWindow(ed); // where its keys work
    }
    GameClock& clock = Session::Current().Clock();
    int worthRows() { return RawRows(path("Trader.sav"), "SELECT count(*) FROM Worth").value(0).toInt(); }
};

TEST_F(PauseTest, WhilePausedNothingMovesButTheDeskTradesAtItsPriceWithinTheHours)
{
    ScriptDraws({70});
    ed->balanceAction->trigger(); // the Balance, with its timer
    const GameTimer* balance = Forms::IfLoaded<BalanceWindow>()->refreshTimer;
    const auto market = stocks();
    const int worth = worthRows();
    ed->clock->pauseAction->trigger();
    EXPECT_TRUE(ed->clock->pauseAction->isChecked());
    EXPECT_EQ(ed->paceLabel->text(), "Paused");
    EXPECT_FALSE(balance->isRunning());
    clock.Advance(60000);
    EXPECT_EQ(clock.Time(), at(0, 10, 0));
    EXPECT_EQ(stocks(), market);
    EXPECT_EQ(worthRows(), worth);
    trade("ALDR", "10", "Buy");
    EXPECT_EQ(RawRows(path("Trader.sav"), "SELECT Units FROM Traderesult"), QStringList("10"));
    QTest::keyClick(Forms::IfLoaded<TradingDesk>(), Qt::Key_Pause); // the Pause key in any window
    EXPECT_FALSE(clock.Paused());
    EXPECT_EQ(ed->paceLabel->text(), "");
    auto* notice = ed->findChild<QLabel*>("notice");
    ASSERT_NE(notice, nullptr); // heard once, where the focus is not
    EXPECT_EQ(QAccessible::queryAccessibleInterface(notice)->role(), QAccessible::Notification);
    EXPECT_EQ(notice->accessibleName(), "Resumed");
    clock.Advance(10000);
    EXPECT_EQ(clock.Time(), at(0, 10, 10));
    EXPECT_NE(stocks(), market);
    EXPECT_EQ(worthRows(), worth + 1);
}

TEST_F(PauseTest, APauseAcrossTheCloseAndTheNightGoesOnWhereItStood)
{
    const std::tuple<QDateTime, QDateTime, bool> cases[] = {
        {at(0, 15, 59), at(0, 16, 0), false}, {at(0, 16, 59), at(0, 17, 0), false}, {at(0, 17, 0), at(1, 9, 1), true}};
    for (const auto& [from, to, market] : cases) {
        SCOPED_TRACE(from.toString().toStdString());
        setClock(from);
        clock.Minute().setEnabled(false), clock.Minute().setEnabled(true); // a minute afresh
        clock.Advance(600);
        QTest::keyClick(ed, Qt::Key_P);
        clock.Advance(3600000);
        QTest::keyClick(ed, Qt::Key_P);
        clock.Advance(399);
        EXPECT_EQ(clock.Time(), from);
        clock.Advance(1);
        EXPECT_EQ(clock.Time(), to);
        EXPECT_EQ(ed->marketTimer->isRunning(), market);
    }
}

TEST_F(PauseTest, NewAndContinueStartUnpausedAndTheSpeedHoldsForTheRun)
{
    QWidget* balance = (ed->balanceAction->trigger(), FindForm("BalanceWindow"));
    QApplication::setActiveWindow(balance);
    QTest::keyClick(balance, Qt::Key_Equal, Qt::ControlModifier); // Ctrl+equals as Ctrl+plus: faster
    EXPECT_EQ(ed->paceLabel->text(), "Double speed");
    ed->clock->pauseAction->trigger();
    EXPECT_EQ(ed->paceLabel->text(), "Paused, Double speed");
    startGame("Other");
    EXPECT_FALSE(clock.Paused());
    EXPECT_FALSE(ed->clock->pauseAction->isChecked());
    EXPECT_TRUE(ed->clock->speedActions[3]->isChecked());
    ed->clock->pauseAction->trigger();
    ed->closeAction->trigger(); // closed, then continued
    ed->OfferSavedGames(true);
    QTest::keyClick(Forms::IfLoaded<ContinueDialog>()->gamesList, Qt::Key_Return);
    EXPECT_TRUE(Session::Current().IsOpen());
    EXPECT_FALSE(clock.Paused());
    EXPECT_EQ(clock.Speed(), 3);
    EXPECT_EQ(ed->minuteTimer->period(), 500);
    ed->clock->slowerAction->trigger(); // Slower
    EXPECT_EQ(ed->paceLabel->text(), "");
}
