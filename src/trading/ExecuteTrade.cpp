#include "TradeRules.h"
#include "TradingEvents.h"
#include "dao/Dao.h"
#include "game/Calendar.h"
#include "game/GameClock.h"
#include "game/Module1.h"
#include "ui/MsgBox.h"
#include "ui/Numbers.h"
#include <QCoreApplication>

namespace Module1 {

namespace {

using Type = Trade::Type;

void say(const QString& text) { Ui::MsgBox(text); }

/// Weighs the trade against the game's log and stores its row, before it is
/// confirmed: a row that could not be stored is never said to be. The game
/// file is closed on return.
TradeRules::Verdict carryOut(const Game& game, const Trade& t, int64_t units)
{
    dao::Database file = game.Open();
    // The margin of a short sale values every holding; no other trade needs the market.
    const TradeRules::Book book = TradeRules::Read(file, game.StartingBalance, t.type == Type::SellShort);
    TradeRules::Verdict v = TradeRules::Weigh(t.type, t.symbol, *t.price, units, book);
    if (v.row)
        TradeRules::Record(file, *v.row);
    return v;
}

} // namespace

TradeOutcome ExecuteTrade(const Game& game, const Trade& trade)
{
    // A clock that shows no time lets the trade through.
    if (const auto t = game.Clock().TimeOfDay(); t && !Calendar::IsOpen(*t)) {
        say(QCoreApplication::translate("Trading", "Varnel Stock Exchange is closed at the moment."));
        return {};
    }
    const dao::Value typed = Numbers::ReadTyped(trade.units);
    if (const auto refused =
            TradeRules::RefusedAsAsked(typed.asDouble(), trade.type, !trade.symbol.isEmpty() && trade.price)) {
        TradeRules::Tell(*refused);
        return {};
    }
    const auto units = int64_t(typed.asDouble());
    TradeOutcome outcome;
    try {
        // At the four-decimal price that is stored and confirmed, exactly.
        outcome.sum = TradeRules::RowOf(trade.type, trade.symbol, *trade.price, units).sum();
        const TradeRules::Verdict v = carryOut(game, trade, units);
        say(v.said);
        if (v.forCash) // a purchase refused for want of cash ends here
            return outcome;
        outcome.recorded = v.row.has_value();
    } catch (const std::exception& e) {
        Ui::MsgBox(
            Ui::Failure(QCoreApplication::translate("Trading", "The trade could not be recorded in the game file"), e),
            Ui::Buttons::OK, Ui::Icon::Critical);
        return outcome;
    }
    emit Trading::Events::Get().traded(outcome.recorded); // the game file is closed by now
    return outcome;
}

} // namespace Module1
