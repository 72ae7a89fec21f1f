#include "MarketTrades.h"
#include "TradeRules.h"
#include "data/kit/App.h"
#include "data/kit/MsgBox.h"
#include "data/kit/Numbers.h"
#include "data/kit/Session.h"
#include <utility>

namespace Trading {

namespace {
/// A failure told once, not at every move while its cause lasts.
void tellOnce(const QString& what, const std::exception& e)
{
    static QString told;
    const QString text = Ui::Failure(what, e);
    if (text != std::exchange(told, text))
        Ui::MsgBox(text, Ui::Buttons::OK, Ui::Icon::Critical);
}
} // namespace

bool CallMargin()
{
    if (!Session::Current().IsOpen())
        return false;
    TradeRules::Margin m;
    std::vector<TradeRules::Row> rows;
    try {
        dao::Database game = dao::Database::open(App::GameFile());
        const TradeRules::Book book = TradeRules::Read(game, true);
        m = TradeRules::MarginOf(book);
        if (m.Calls())
            rows = TradeRules::CoverAll(book);
        if (rows.empty())
            return false;
        dao::Transaction tx = game.beginTransaction(); // every short covered, or none
        for (const TradeRules::Row& row : rows)
            TradeRules::Record(game, row);
        tx.commit();
    } catch (const std::exception& e) {
        // The move stays; a call that is due is tried again at the next one. A
        // file that cannot be read is said by the windows that show it.
        if (!rows.empty())
            tellOnce(QStringLiteral("The margin call could not be recorded in the game file"), e);
        return false;
    }
    Holdings::SharedReading::Changed();
    Ui::MsgBox(QStringLiteral("Margin call: your balance %1 fell below 30 % of your short positions %2, so they were "
                              "covered at the market's prices.")
                   .arg(Numbers::PlainText(m.balance), Numbers::PlainText(m.shorts)));
    return true;
}

} // namespace Trading
