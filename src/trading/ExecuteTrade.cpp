#include "TradingEvents.h"
#include "data/Holdings.h"
#include "data/dao/Dao.h"
#include "data/kit/App.h"
#include "data/kit/Exchange.h"
#include "data/kit/Module1.h"
#include "data/kit/MsgBox.h"
#include "data/kit/Numbers.h"
#include <cmath>

namespace Module1 {

namespace {

using Type = Trade::Type;

void say(const QString& text) { Ui::MsgBox(text); }

void appendTrade(dao::Database& game, dao::Currency price, int64_t units, dao::Currency result)
{
    dao::Recordset rs = game.openTable(QStringLiteral("Traderesult"));
    rs.addNew();
    rs.setField(QStringLiteral("Symbol"), TradeSymbol);
    rs.setField(QStringLiteral("Price"), price);
    rs.setField(QStringLiteral("Units"), units);
    rs.setField(QStringLiteral("Result"), result);
    rs.update();
}

QString confirmation(const char* verb, int64_t units, dao::Currency sum)
{
    return QStringLiteral("You %1 %2 of %3 at a price %4 for the overall sum %5")
        .arg(QString::fromLatin1(verb), QString::number(units), TradeSymbol.asText(), TradePrice.asText(),
            Numbers::PlainText(sum));
}

/// A sale: refused unless the holding, found by exact symbol in the query's
/// order, covers the units. True when recorded.
bool sell(dao::Database& game, dao::Currency price, int64_t units, dao::Currency sum)
{
    dao::Recordset pos = game.openSnapshot(QStringLiteral("Position"));
    if (pos.recordCount() == 0 || pos.field(QStringLiteral("Symbol")) == dao::Value(QString())) {
        say(QStringLiteral("You don't have any stock to sell"));
        return false;
    }
    const int n = pos.recordCount();
    int i = 0;
    while (i < n && !(pos.field(QStringLiteral("Symbol")) == TradeSymbol)) {
        pos.moveNext();
        ++i;
    }
    if (i == n) {
        say(QStringLiteral("You don't have this kind of stock!"));
        return false;
    }
    LastValue = pos.field(QStringLiteral("Sum Of units"));
    const double held = LastValue.isNull() ? 0 : LastValue.toDouble();
    if (double(units) > held) {
        say(QStringLiteral("You don't have this number of stock"));
        return false;
    }
    pos.close();
    appendTrade(game, price, -units, sum);
    say(confirmation("sold", units, sum));
    return true;
}

/// Positive and whole: the log stores whole units, and the cash must agree with them.
bool validUnits(double units) { return units > 0 && units == std::floor(units) && units <= 2147483647.0; }

/// The values the trade's readers see, as the desk asked for it.
void keepTrade(const Trade& t)
{
    TradeSymbol = t.symbol;
    TradePrice = t.price ? Numbers::FormatFourDecimals(t.price->toDouble()) : QString();
    TradeUnits = Numbers::ReadTyped(t.units);
}

/// The cash from the log, then the trade of its type; none when a purchase
/// is refused for want of cash, else whether a row was recorded.
std::optional<bool> carryOut(const Trade& t, int64_t units, dao::Currency sum)
{
    dao::Database game = dao::Database::open(App::GameFile());
    const dao::Currency cash = Holdings::Cash(game, &LastValue);
    CashAvailable = cash;
    switch (t.type) {
    case Type::Buy:
        if (sum > cash) {
            say(QStringLiteral("Sum of this thansaction %1 and is more than your cash %2")
                    .arg(Numbers::PlainText(sum), Numbers::PlainText(cash)));
            return std::nullopt;
        }
        appendTrade(game, *t.price, units, -sum);
        say(confirmation("bought", units, sum));
        return true;
    case Type::Sell:
        return sell(game, *t.price, units, sum);
    case Type::CoverShort:
        say(QStringLiteral("Otkupili short"));
        return false;
    case Type::SellShort:
        say(QStringLiteral("prodali short"));
        return false;
    case Type::None:
        break;
    }
    return false;
}

} // namespace

TradeOutcome ExecuteTrade(const Trade& trade)
{
    // A clock that shows no time lets the trade through.
    if (const auto t = Exchange::ShownTimeOfDay(); t && !Exchange::IsOpen(*t)) {
        say(QStringLiteral("Varnel Stock Exchange is closed at the moment."));
        return {};
    }
    keepTrade(trade);
    const double typed = TradeUnits.asDouble();
    if (!validUnits(typed)) {
        Ui::MsgBox(QStringLiteral("You must enter a valid units amount."), Ui::Buttons::OK, Ui::Icon::Exclamation,
            QStringLiteral("UnitsSheet Error"));
        return {};
    }
    if (trade.type == Type::None) {
        say(QStringLiteral("Choose transaction type"));
        return {};
    }
    if (trade.symbol.isEmpty() || !trade.price) { // no stock chosen: nothing to price the trade with
        say(QStringLiteral("Choose a stock from the list first."));
        return {};
    }
    const auto units = int64_t(typed);
    TradeOutcome outcome;
    try {
        // At the four-decimal price that is stored and confirmed, exactly.
        const dao::Currency sum = *trade.price * units;
        TradeSum = sum;
        outcome.sum = sum;
        const std::optional<bool> recorded = carryOut(trade, units, sum);
        if (!recorded)
            return outcome;
        outcome.recorded = *recorded;
    } catch (const std::exception& e) {
        Ui::MsgBox(Ui::Failure(QStringLiteral("The trade could not be recorded in the game file"), e), Ui::Buttons::OK,
            Ui::Icon::Critical);
        return outcome;
    }
    emit Trading::Events::Get().traded(outcome.recorded); // the game file is closed by now
    return outcome;
}

} // namespace Module1
