#include "Clock.h"
#include "MarketState.h"
#include "dao/DaoError.h"
#include "game/Calendar.h"
#include "game/Module1.h"
#include "game/Session.h"
#include "ui/MsgBox.h"
#include <QCoreApplication>
#include <QLocale>

namespace Market {

QString ClockText(const QDateTime& dt)
{
    const QLocale loc;
    QString timeFormat = loc.timeFormat(QLocale::ShortFormat);
    // Short formats drop the seconds; the clock shows them.
    if (!timeFormat.contains(QLatin1Char('s'))) {
        const int m = int(timeFormat.lastIndexOf(QLatin1String("mm")));
        timeFormat = m >= 0 ? timeFormat.insert(m + 2, QLatin1String(":ss")) : QStringLiteral("HH:mm:ss");
    }
    return loc.toString(dt.date(), QLocale::ShortFormat) + QLatin1Char(' ') + loc.toString(dt.time(), timeFormat);
}

QString WeekdayName(const QDateTime& dt) { return QLocale().dayName(dt.date().dayOfWeek(), QLocale::LongFormat); }

} // namespace Market

namespace {
/// Empties the day's figures; a failure is told once and the day stays to prepare.
void prepareNewDay()
{
    Market::State& state = Market::CurrentState();
    try {
        Module1::StartNewTradingDay();
        state.newDayPending = false;
    } catch (const std::exception& e) {
        if (state.newDayPending)
            return;
        state.newDayPending = true; // before the message: the clock runs on while it waits
        Ui::MsgBox(Ui::Failure(QCoreApplication::translate("Market", "The new trading day could not be prepared"), e),
            Ui::Buttons::OK, Ui::Icon::Exclamation);
    }
}
} // namespace

namespace Module1 {

void AdvanceClock()
{
    const QDateTime next = Session::Current().Clock().Step(); // the market counts down within the hours only
    // A day the evening could not prepare is prepared before the market moves on it.
    if (!Calendar::IsOpen(next.time()) || Market::CurrentState().newDayPending)
        prepareNewDay();
}

} // namespace Module1
