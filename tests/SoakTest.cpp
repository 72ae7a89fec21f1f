// Many simulated days of play, driven through the clock, the market and the
// windows, with the files and windows checked against each other throughout.
#include "support/GameFixture.h"

class SoakTest : public GameTest {
protected:
    std::mt19937 gen{20261207};
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen); }
    QString any(const QStringList& v) { return v[pick(int(v.size()))]; }

    /// A trade, a listing or a window opened or closed, at random.
    void randomAction()
    {
        msgs.messages.clear();
        const int what = pick(11);
        if (what < 6) {
            ed->tradeAction->trigger(); // the desk lists what the market held when it opened
            const QComboBox* list = Forms::IfLoaded<TradingDesk>()->stockList;
            trade(list->itemText(pick(list->count())),
                any({"1", "7", "100", "2500", "0", "-3", "abc", "2.5", "99999999", ""}),
                any({"Buy", "Buy", "Sell", "Sell", "Cover short", "Sell short"}));
        } else if (what == 6) {
            addStock("Soak company", any({QString("SK%1").arg(pick(1000)), "aldr", "X Y", "SELECT", "ALDR", ""}),
                QString::number(1 + pick(500)));
            Forms::Unload(Forms::IfLoaded<AddAssetDialog>()); // kept open by a refusal: the player cancels
        } else if (what < 9) {
            QAction* entries[] = {ed->pricesAction, ed->chartAction, ed->balanceAction,
                ed->positionAction, ed->transactionsAction};
            entries[pick(5)]->trigger();
        } else if (QWidget* w = Forms::Loaded().value(pick(int(Forms::Loaded().size()))); w != ed) {
            w->close();
        }
        for (const QString& t : msgs.texts())
            ASSERT_FALSE(t.contains("could not") || t.contains("cannot be opened")) << t.toStdString();
    }

    /// The log, the market and the windows refreshed by the tick agree.
    void checkAfterTick()
    {
        const QString result = RawRows(path("Soaker.sav"), "SELECT SUM(Result) FROM Traderesult").value(0);
        const dao::Currency cash = dao::Currency::fromDouble(500000) +
            (result == "NULL" ? dao::Currency() : dao::Currency::fromTicks(result.toLongLong()));
        ASSERT_EQ(Opened<BalanceWindow>().cashBox->text(), cash.toPlainString());
        QStringList held, shown;
        for (const QString& row : RawRows(path("Soaker.sav"),
                 "SELECT Symbol, SUM(Units) FROM Traderesult GROUP BY Symbol HAVING SUM(Units) <> 0"))
            held << row; // a short position too
        for (const QString& r : GridRows(*Opened<PortfolioWindow>().grid))
            if (!r.section('|', 1, 1).isEmpty())
                shown << r.section('|', 0, 1);
        ASSERT_EQ(shown, held);
        for (const Stock& s : stocks()) {
            ASSERT_EQ(s.historyRows, 201) << s.symbol.toStdString();
            ASSERT_TRUE(s.min.isNull() || s.max.isNull() ||
                (s.min.toDouble() <= s.price.toDouble() && s.price.toDouble() <= s.max.toDouble()));
        }
    }
};

TEST_F(SoakTest, ManySimulatedDaysKeepTheFilesAndWindowsTrue)
{
    startGame("Soaker");
    Market::SetDrawSource([this](int lo, int hi) { return lo + pick(hi - lo + 1); });
    const int days = std::max(1, qEnvironmentVariableIntValue("TICORA_SOAK_DAYS") ?: 50);
    int ticks = 0, minute = 0;
    for (int day = 0; day < days; ++day) {
        const std::optional<QDateTime>& clock = Session::Current().Clock().Time();
        const QDate today = clock ? clock->date() : Session::Current().Clock().BaseDate();
        bool evening = false;
        // Minute by minute, as the clock's timer runs; a tick every ten minutes of the exchange's hours.
        do {
            Minute();
            const QTime shown = *Session::Current().Clock().TimeOfDay();
            if (Calendar::IsOpen(shown) && ++minute % 10 == 0) {
                Tick();
                ++ticks;
                ASSERT_NO_FATAL_FAILURE(checkAfterTick());
                ASSERT_NO_FATAL_FAILURE(randomAction());
            } else if (!evening && shown >= QTime(16, 0)) {
                evening = true;
                for (const Stock& s : stocks()) {
                    ASSERT_EQ(s.dayRows, 0) << s.symbol.toStdString();
                    ASSERT_EQ(s.volume.toDouble(), 0) << s.symbol.toStdString();
                }
            }
        } while (clock->date() == today);
        ASSERT_TRUE(evening);
    }
    std::printf("soak: %d days, %d ticks\n", days, ticks);
    EXPECT_GE(ticks, days * 40);
    EXPECT_GT(stocks().size(), 14u); // some stocks were added on the way
}
