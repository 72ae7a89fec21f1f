#include "GameShell.h"
#include "ClockMenu.h"
#include "HelpFile.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "data/GameSchema.h"
#include "data/Holdings.h"
#include "data/WorthLog.h"
#include "game/Session.h"
#include "market/MarketTick.h"
#include "reports/PortfolioWindow.h"
#include "trading/MarketTrades.h"
#include "trading/TradingEvents.h"
#include "ui/App.h"
#include <QCoreApplication>
#include <QDir>
#include <deque>

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
    HelpWindow& w = Forms::Get<HelpWindow>();
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
    if (MainWindow* main = Forms::IfLoaded<MainWindow>())
        main->ShowNewsChoice(game && game->News());
}

namespace {
struct Told {
    QString text;
    Ui::Icon icon;
};
struct Teller {
    std::deque<Told> waiting;
    bool showing = false, called = false;
};
Teller& teller()
{
    static Teller t;
    return t;
}

void tellWaiting()
{
    Teller& t = teller();
    t.called = false;
    if (t.showing || Ui::OpenBoxes() > 0)
        return; // the box that is open tells the rest when it closes
    t.showing = true;
    while (!t.waiting.empty()) {
        const Told told = t.waiting.front();
        t.waiting.pop_front();
        Ui::MsgBox(told.text, Ui::Buttons::OK, told.icon);
    }
    t.showing = false;
}

void showNews(const QString& text, bool announce = true)
{
    if (MainWindow* main = Forms::IfLoaded<MainWindow>())
        main->ShowNews(text, announce);
}

/// What the market does for the player at the new prices: orders filled, in
/// the order they were placed, then a margin call that covers the shorts.
/// Each is told in the status bar; whether either traded.
bool tradeForThePlayer(const Game& game, bool& ordersChanged)
{
    const Trading::Fills filled = Trading::FillOrders(game);
    ordersChanged = filled.changed; // the orders change only where one was filled or noted
    if (!filled.told.isEmpty())
        showNews((filled.told.size() == 1 ? QCoreApplication::translate("Shell", "Order filled: ")
                                          : QCoreApplication::translate("Shell", "Orders filled: ")) +
            filled.told.join(QStringLiteral("; ")));
    if (!filled.failure.isEmpty())
        Tell(filled.failure, Ui::Icon::Critical);
    const Trading::Call call = Trading::CallMargin(game);
    if (!call.told.isEmpty()) {
        Tell(call.told);
        showNews(call.told, false); // its message box tells it
    }
    if (!call.failure.isEmpty())
        Tell(call.failure, Ui::Icon::Critical);
    return !filled.told.isEmpty() || !call.told.isEmpty();
}
} // namespace

namespace {
/// The waiting messages are told once the current handler has returned.
void callTeller()
{
    Teller& t = teller();
    if (t.called || t.showing || t.waiting.empty())
        return;
    t.called = true;
    QMetaObject::invokeMethod(qApp, &tellWaiting, Qt::QueuedConnection);
}
} // namespace

void Tell(const QString& text, Ui::Icon icon)
{
    teller().waiting.push_back({text, icon});
    callTeller();
}

void AdvanceClock()
{
    if (const QString failed = Market::AdvanceClock(Session::Current().CurrentGame()); !failed.isEmpty())
        Tell(failed, Ui::Icon::Exclamation);
}

void MoveMarket()
{
    Session& session = Session::Current();
    const Game* game = session.CurrentGame();
    const Market::Moved m = Market::Tick(game);
    if (!m.failure.isEmpty())
        Tell(m.failure, Ui::Icon::Exclamation);
    if (!m.moved)
        return;
    // Headlines are told as a filled order is, once the move is stored.
    if (!m.headlines.isEmpty())
        showNews(m.headlines.join(QStringLiteral("; ")));
    for (const QString& symbol : m.zeroPrices)
        Tell(QCoreApplication::translate(
            "Market", "The price of %1 is 0, so it cannot move: correct it in Tools > Edit assets.")
                 .arg(symbol));
    if (!game)
        return;
    bool ordersChanged = false;
    const bool traded = tradeForThePlayer(*game, ordersChanged);
    // Every window that shows the game reads one reading of what it holds.
    const Holdings::SharedReading oneReading(*game);
    WorthLog::RecordNow(*game);
    emit session.moved();
    if (traded)
        emit session.traded();
    if (ordersChanged)
        emit session.ordersChanged();
}

void Wire()
{
    static bool wired = false;
    if (wired)
        return;
    wired = true;
    // What waits to be told goes on when the last box that kept it waiting is answered.
    Ui::SetAfterBoxes(callTeller);
    // Every window and message box answers the clock's keys.
    Forms::SetWindowKeys([](QWidget* w) { ClockMenu::TakeKeys(w, Session::Current().Clock()); });
    Trading::Events& trading = Trading::Events::Get();
    QObject::connect(&trading, &Trading::Events::traded, &trading, [] {
        if (const Game* game = Session::Current().CurrentGame()) {
            const Holdings::SharedReading oneReading(*game);
            emit Session::Current().traded();
        }
    });
    QObject::connect(
        &trading, &Trading::Events::ordersChanged, &trading, [] { emit Session::Current().ordersChanged(); });
    QObject::connect(&trading, &Trading::Events::portfolioWanted, &trading, [] { ShowWindow<PortfolioWindow>(); });
}

} // namespace GameShell
