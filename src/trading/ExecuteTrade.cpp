#include "ExecuteTrade.h"
#include "game/Calendar.h"
#include "game/GameClock.h"
#include "ui/Failure.h"
#include "ui/Numbers.h"
#include <QCoreApplication>

namespace Trading {

namespace {
/// Weighs the trade against the game's log and stores its row; the game file is closed on return.
TradeRules::Verdict carryOut(const Game& game, const Trade& t, int64_t units)
{
    dao::Database file = game.Open();
    // The margin of a short sale values every holding; no other trade needs the market.
    const TradeRules::Book book = TradeRules::Read(file, game.StartingBalance, t.type == TradeType::SellShort);
    TradeRules::Verdict v = TradeRules::Weigh(t.type, t.symbol, *t.price, units, book);
    if (v.row)
        TradeRules::Record(file, *v.row);
    return v;
}
} // namespace

TradeResult ExecuteTrade(const Game& game, const Trade& trade)
{
    if (const auto t = game.Clock().TimeOfDay(); t && !Calendar::IsOpen(*t))
        return {{QCoreApplication::translate("Trading", "Varnel Stock Exchange is closed at the moment.")}};
    const double typed = Numbers::ReadTyped(trade.units);
    if (const auto refused = TradeRules::RefusedAsAsked(typed, trade.type, !trade.symbol.isEmpty() && trade.price))
        return {TradeRules::SaidOf(*refused)};
    const auto units = int64_t(typed);
    TradeResult result;
    try {
        // At the four-decimal price that is stored and confirmed, exactly.
        result.sum = TradeRules::RowOf(trade.type, trade.symbol, *trade.price, units).sum();
        const TradeRules::Verdict v = carryOut(game, trade, units);
        result.said.text = v.said;
        result.recorded = v.row.has_value();
        result.ranToEnd = !v.forCash; // a purchase refused for want of cash ends here
    } catch (const std::exception& e) {
        result.said = {
            Ui::Failure(QCoreApplication::translate("Trading", "The trade could not be recorded in the game file"), e)};
        result.failed = true;
    }
    return result;
}

} // namespace Trading
