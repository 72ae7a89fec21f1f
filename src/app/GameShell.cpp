#include "GameShell.h"
#include "HelpFile.h"
#include "data/Holdings.h"
#include "data/WorthLog.h"
#include "data/kit/App.h"
#include "data/kit/Module1.h"
#include "frmEditor.h"
#include "frmHelp.h"
#include "market/MarketEvents.h"
#include "reports/Form11.h"
#include "reports/Form13.h"
#include "trading/MarketTrades.h"
#include "trading/TradingEvents.h"
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
void showTrades(bool recorded)
{
    if (Form11* t = Forms::IfLoaded<Form11>(); recorded && t && t->isVisible())
        Module1::RefreshTransactions();
}
} // namespace

void Wire()
{
    static bool wired = false;
    if (wired)
        return;
    wired = true;
    // The market moved: the reports that show prices, in this order.
    Market::Events& market = Market::Events::Get();
    // First what the market does for the player at the new prices: orders
    // filled, in the order they were placed, then a margin call that covers
    // the shorts. Every reader then values the same holdings.
    QObject::connect(&market, &Market::Events::moved, &market, [] {
        Holdings::SharedReading oneReading;
        const Trading::Fills filled = Trading::FillOrders();
        const QStringList& told = filled.told;
        if (frmEditor* ed = Forms::IfLoaded<frmEditor>(); ed && !told.isEmpty())
            ed->ShowNews((told.size() == 1 ? QStringLiteral("Order filled: ") : QStringLiteral("Orders filled: ")) +
                told.join(QStringLiteral("; ")));
        const bool called = Trading::CallMargin();
        WorthLog::RecordNow();
        showTrades(called || !told.isEmpty());
        if (filled.changed) // the orders change only where one was filled or noted
            Module1::RefreshOrders();
        Module1::RefreshPortfolio();
        Module1::RefreshPriceInformation();
        Module1::RefreshBalance();
        Module1::RefreshPerformance();
    });
    // A trade was made: a Transactions window that is shown lists it, the
    // Portfolio is rebuilt and the Performance, where it is open, shows the gains.
    Trading::Events& trading = Trading::Events::Get();
    QObject::connect(&trading, &Trading::Events::traded, &trading, [](bool recorded) {
        showTrades(recorded);
        Module1::RefreshPortfolio();
        Module1::RefreshPerformance();
    });
    QObject::connect(&trading, &Trading::Events::portfolioWanted, &trading, [] {
        Module1::RefreshPortfolio(); // creates the Portfolio where it is not loaded
        Raise(Forms::Get<Form13>(), false);
    });
}

} // namespace GameShell
