#include "GameShell.h"
#include "ClockMenu.h"
#include "GamePanel.h"
#include "HelpFile.h"
#include "data/GameSchema.h"
#include "data/Holdings.h"
#include "data/WorthLog.h"
#include "frmEditor.h"
#include "frmHelp.h"
#include "game/Module1.h"
#include "game/Session.h"
#include "market/Form10.h"
#include "market/MarketEvents.h"
#include "market/frmNews.h"
#include "reports/Form11.h"
#include "reports/Form13.h"
#include "trading/MarketTrades.h"
#include "trading/TradingEvents.h"
#include "trading/frmOrders.h"
#include "ui/App.h"
#include <QCoreApplication>
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
    const QString file = App::HelpFile().isEmpty() ? App::HelpFileInLanguage() : App::HelpFile();
    Help::Parsed help = Help::ReadFile(file);
    if (!help.error.isEmpty()) {
        Ui::MsgBox(QCoreApplication::translate("Shell", "The help cannot be shown: the help file %1 %2.")
                       .arg(QDir::toNativeSeparators(file), help.error),
            Ui::Buttons::OK, Ui::Icon::Exclamation);
        return;
    }
    frmHelp& w = Forms::Get<frmHelp>();
    w.SetTopics(std::move(help.topics));
    w.ShowTopic(context);
    Raise(w, false);
}

void SetNews(bool on)
{
    const Game* game = Session::Current().CurrentGame();
    if (game && Ui::Attempt(QCoreApplication::translate("Shell", "The market's news could not be switched"), [&] {
            dao::Database file = game->Open();
            GameSchema::SetNews(file, on);
        }))
        return Session::Current().SetNews(on); // the main window follows the session
    // The menu's tick shows what holds, whatever the click made of it.
    if (frmEditor* ed = Forms::IfLoaded<frmEditor>())
        ed->ShowNewsChoice(game && game->News());
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
/// then the worth row. Each is told in the status bar.
void tradeForThePlayer(const Game& game)
{
    frmEditor* ed = Forms::IfLoaded<frmEditor>();
    const Trading::Fills filled = Trading::FillOrders(game);
    const QStringList& told = filled.told;
    if (ed && !told.isEmpty())
        ed->ShowNews((told.size() == 1 ? QCoreApplication::translate("Shell", "Order filled: ")
                                       : QCoreApplication::translate("Shell", "Orders filled: ")) +
            told.join(QStringLiteral("; ")));
    const QString called = Trading::CallMargin(game);
    if (ed && !called.isEmpty())
        ed->ShowNews(called, false); // its message box has told it
    WorthLog::RecordNow(game);
    showTrades(&game, !called.isEmpty() || !told.isEmpty());
    if (filled.changed) // the orders change only where one was filled or noted
        Module1::RefreshOrders(&game);
}

/// The game at a glance and the desk's holdings, after anything that changes them.
void showHoldings(const Game* game)
{
    if (frmEditor* ed = Forms::IfLoaded<frmEditor>())
        ed->glance->Refresh(game);
    Module1::ShowDeskHoldings(game);
}

/// The desk and the Orders show their stock's moved price, as the board does.
void followPrices()
{
    try {
        Module1::RefreshTradingStock();
    } catch (const std::exception&) {
        // A market that cannot be read is said by the move and at the trade.
    }
    if (frmOrders* orders = Forms::IfLoaded<frmOrders>())
        orders->ShowCurrentPrice();
}

/// A chart that is open shows the moved price, as the board does.
void redrawChart()
{
    if (Form10* chart = Forms::IfLoaded<Form10>())
        chart->Redraw();
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
        redrawChart();
        followPrices();
        showHoldings(game);
    });
    // Headlines are told as a filled order is, and listed where the News window is open.
    QObject::connect(&market, &Market::Events::headlines, &market, [](const QStringList& told) {
        if (frmEditor* ed = Forms::IfLoaded<frmEditor>())
            ed->ShowNews(told.join(QStringLiteral("; ")));
        if (frmNews* news = Forms::IfLoaded<frmNews>())
            news->AddNew();
    });
    // A trade was made: a Transactions window that is shown lists it, the
    // Portfolio is rebuilt and the Performance, where it is open, shows the gains.
    Trading::Events& trading = Trading::Events::Get();
    QObject::connect(&trading, &Trading::Events::traded, &trading, [](bool recorded) {
        const Game* game = Session::Current().CurrentGame();
        showTrades(game, recorded);
        Module1::RefreshPortfolio(game);
        Module1::RefreshPerformance(game);
        showHoldings(game);
    });
    QObject::connect(
        &trading, &Trading::Events::ordersChanged, &trading, [] { showHoldings(Session::Current().CurrentGame()); });
    QObject::connect(&trading, &Trading::Events::portfolioWanted, &trading, [] {
        // Creates the Portfolio where it is not loaded.
        Module1::RefreshPortfolio(Session::Current().CurrentGame());
        Raise(Forms::Get<Form13>(), false);
    });
}

} // namespace GameShell
