#include "GameShell.h"
#include "ClockMenu.h"
#include "HelpFile.h"
#include "data/Holdings.h"
#include "data/WorthLog.h"
#include "frmEditor.h"
#include "frmHelp.h"
#include "game/Module1.h"
#include "game/Session.h"
#include "market/MarketEvents.h"
#include "reports/Form11.h"
#include "reports/Form13.h"
#include "trading/MarketTrades.h"
#include "trading/TradingEvents.h"
#include "ui/App.h"
#include <QDir>

namespace GameShell {

void Raise(QWidget& w, bool modal)
{
    if (modal)
        w.setWindowModality(Qt::ApplicationModal);
    w.show();
    w.raise();
    w.activateWindow();
}

void ShowHelp(int context)
{
    const QString file = App::HelpFile().isEmpty() ? App::FilePath(QStringLiteral("zolthelp.hlp")) : App::HelpFile();
    Help::Parsed help = Help::ReadFile(file);
    if (!help.error.isEmpty()) {
        Ui::MsgBox(QStringLiteral("The help cannot be shown: the help file %1 %2.")
                       .arg(QDir::toNativeSeparators(file), help.error),
            Ui::Buttons::OK, Ui::Icon::Exclamation);
        return;
    }
    frmHelp& w = Forms::Get<frmHelp>();
    w.SetTopics(std::move(help.topics));
    w.ShowTopic(context);
    Raise(w, false);
}

namespace {
/// A Transactions window that is shown lists a recorded trade at once; a
/// closed one is not created for it.
void showTrades(const Game* game, bool recorded)
{
    if (Form11* t = Forms::IfLoaded<Form11>(); recorded && t && t->isVisible())
        Module1::RefreshTransactions(game);
}

/// What the market does for the player at the new prices: orders filled, in
/// the order they were placed, then a margin call that covers the shorts,
/// then the worth row.
void tradeForThePlayer(const Game& game)
{
    const Trading::Fills filled = Trading::FillOrders(game);
    const QStringList& told = filled.told;
    if (frmEditor* ed = Forms::IfLoaded<frmEditor>(); ed && !told.isEmpty())
        ed->ShowNews((told.size() == 1 ? QStringLiteral("Order filled: ") : QStringLiteral("Orders filled: ")) +
            told.join(QStringLiteral("; ")));
    const bool called = Trading::CallMargin(game);
    WorthLog::RecordNow(game);
    showTrades(&game, called || !told.isEmpty());
    if (filled.changed) // the orders change only where one was filled or noted
        Module1::RefreshOrders(&game);
}
} // namespace

void Wire()
{
    static bool wired = false;
    if (wired)
        return;
    wired = true;
    // Every window and message box answers the clock's keys.
    Forms::SetWindowKeys([](QWidget* w) { ClockMenu::TakeKeys(w, Session::Current().Clock()); });
    // The market moved: the reports that show prices, in this order.
    Market::Events& market = Market::Events::Get();
    // First what the market does for the player at the new prices: orders
    // filled, in the order they were placed, then a margin call that covers
    // the shorts. Every reader then values the same holdings.
    QObject::connect(&market, &Market::Events::moved, &market, [] {
        Holdings::SharedReading oneReading;
        const Game* game = Session::Current().CurrentGame();
        if (game)
            tradeForThePlayer(*game);
        Module1::RefreshPortfolio(game);
        Module1::RefreshPriceInformation();
        Module1::RefreshBalance(game);
        Module1::RefreshPerformance(game);
    });
    // A trade was made: a Transactions window that is shown lists it, the
    // Portfolio is rebuilt and the Performance, where it is open, shows the gains.
    Trading::Events& trading = Trading::Events::Get();
    QObject::connect(&trading, &Trading::Events::traded, &trading, [](bool recorded) {
        const Game* game = Session::Current().CurrentGame();
        showTrades(game, recorded);
        Module1::RefreshPortfolio(game);
        Module1::RefreshPerformance(game);
    });
    QObject::connect(&trading, &Trading::Events::portfolioWanted, &trading, [] {
        // Creates the Portfolio where it is not loaded.
        Module1::RefreshPortfolio(Session::Current().CurrentGame());
        Raise(Forms::Get<Form13>(), false);
    });
}

} // namespace GameShell
