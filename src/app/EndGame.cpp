#include "EndGame.h"
#include "GameShell.h"
#include "dao/Dao.h"
#include "data/HallOfFame.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "game/Session.h"
#include "reports/HallOfFameWindow.h"
#include "ui/Accessibility.h"
#include "ui/App.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"
#include <QCoreApplication>
#include <QLocale>

namespace {

/// What ending it came to: the entry and its place among the best, where it was entered.
struct Ending {
    std::optional<HallOfFame::Entry> entry;
    std::optional<int> place;
    int listed = 0;
};

/// The trades the game made; none where its file cannot be read (it is gone, say).
int tradesOf(const Game& game)
{
    try {
        return HallOfFame::Trades(game);
    } catch (const std::exception&) {
        return 0;
    }
}

QString question(const Game& game)
{
    return QCoreApplication::translate("EndGame", "End the game of %1 for good? Its result goes into the hall of fame.")
        .arg(game.PlayerName);
}

/// No game: the menus, toolbar, timers and clock follow, and every window of
/// it goes. Help is no part of the game: it stays open.
void closeSession()
{
    Session::Current().Close();
    for (QWidget* w : Forms::Loaded())
        if (!dynamic_cast<MainWindow*>(w) && !dynamic_cast<HelpWindow*>(w))
            Forms::Unload(w);
}

/// Enters a game that made a trade in the hall of fame, then deletes its file:
/// a result that cannot be entered keeps the file, so nothing is lost.
Ending finish(const Game& game, int trades)
{
    Ending out;
    if (trades > 0) {
        try {
            const HallOfFame::Entry e = HallOfFame::Of(game);
            dao::Database market = dao::Database::open(App::MarketFile());
            HallOfFame::Record(market, e);
            const std::vector<HallOfFame::Entry> best = HallOfFame::Best(market);
            out.place = HallOfFame::PlaceOf(best, e);
            out.listed = int(best.size());
            out.entry = e;
        } catch (const std::exception& e) {
            Ui::MsgBox(Ui::Failure(QCoreApplication::translate(
                                       "EndGame", "The game's result could not be entered in the hall of fame"),
                           e) +
                    QCoreApplication::translate(
                        "EndGame", "\n\nThe game file \"%1\" was kept: continue the game later and close it again.")
                        .arg(game.GameFileName),
                Ui::Buttons::OK, Ui::Icon::Exclamation);
            closeSession();
            return out;
        }
    }
    // A file already gone is no failure. One that cannot be deleted is said,
    // and the game ends all the same.
    try {
        dao::removeFile(game.Path());
    } catch (const std::exception& e) {
        Ui::MsgBox(Ui::Failure(QCoreApplication::translate("Shell", "The game file \"%1\" could not be deleted")
                                   .arg(game.GameFileName),
                       e),
            Ui::Buttons::OK, Ui::Icon::Exclamation, QCoreApplication::translate("Shell", "File error"));
    }
    closeSession();
    return out;
}

QString percent(double v) { return QLocale().toString(v, 'f', 2); }

/// A game among the best is shown on its line; any other is told its result.
void tell(const Ending& ending)
{
    if (!ending.entry)
        return;
    if (ending.place) {
        GameShell::ShowWindow<HallOfFameWindow>();
        if (HallOfFameWindow* f = Forms::IfLoaded<HallOfFameWindow>()) {
            f->ShowPlace(*ending.place);
            Accessibility::Announce(f->grid,
                QCoreApplication::translate("EndGame", "Your game ranks %1 of %2")
                    .arg(*ending.place)
                    .arg(ending.listed));
        }
        return;
    }
    const HallOfFame::Entry& e = *ending.entry;
    Ui::MsgBox(QCoreApplication::translate("EndGame",
                   "Your game ended with a return of %1 %, the market's %2 %: %3 points apart. "
                   "It did not enter the hall of fame's best %4.")
                   .arg(percent(e.gain), percent(e.marketGain), percent(e.beatBy))
                   .arg(HallOfFame::kPlaces),
        Ui::Buttons::OK, Ui::Icon::Information);
}

} // namespace

namespace EndGame {

void Close()
{
    const Game* game = Session::Current().CurrentGame();
    if (!game)
        return;
    const int trades = tradesOf(*game);
    if (trades > 0 && Ui::MsgBox(question(*game), Ui::Buttons::YesNo, Ui::Icon::Question, {}, true) != Ui::Answer::Yes)
        return;
    tell(finish(*game, trades));
}

bool Exit()
{
    const Game* game = Session::Current().CurrentGame();
    if (!game)
        return true;
    const int trades = tradesOf(*game);
    const Ui::Answer a =
        trades > 0 ? Ui::MsgBox(question(*game), Ui::Buttons::EndKeepCancel, Ui::Icon::Question) : Ui::Answer::End;
    if (a == Ui::Answer::Cancel)
        return false;
    if (a == Ui::Answer::Keep) {
        // Left as after a crash: the next start offers to continue it.
        closeSession();
        dao::releaseAll();
        return true;
    }
    finish(*game, trades);
    return true;
}

} // namespace EndGame
