#include "Clock.h"
#include "MarketState.h"
#include "app/frmEditor.h"
#include "app/kit/Exchange.h"
#include "app/kit/Forms.h"
#include "app/kit/Module1.h"
#include "app/kit/MsgBox.h"
#include "app/kit/VbTimer.h"
#include "data/dao/DaoError.h"
#include <QLabel>
#include <QLocale>
#include <QTimeZone>

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
        Ui::MsgBox(Ui::Failure(QStringLiteral("The new trading day could not be prepared"), e), Ui::Buttons::OK,
            Ui::Icon::Exclamation);
    }
}
} // namespace

namespace Module1 {

void AdvanceClock()
{
    frmEditor& ed = Forms::Get<frmEditor>();
    if (ed.Label1->text().isEmpty())
        ed.clockTime.reset();
    const QDateTime next =
        ed.clockTime ? ed.clockTime->addSecs(60) : QDateTime(ed.baseDate, QTime(9, 1), QTimeZone::utc());
    ed.Label1->setText(Market::ClockText(next));
    ed.Label2->setText(Market::WeekdayName(next));
    ed.clockTime = next;
    Exchange::SetShown(next);
    const QTime t = next.time();
    if (Exchange::IsOpen(t)) {
        ed.Timer2->setInterval(10000);
        ed.Timer2->setEnabled(true);
        // A day the evening could not prepare is prepared before the market moves on it.
        if (Market::CurrentState().newDayPending)
            prepareNewDay();
    } else {
        ed.Timer2->setEnabled(false);
        prepareNewDay();
    }
    if (t >= QTime(17, 0) && t < QTime(23, 59)) {
        ed.Label1->hide();
        ed.Label2->hide();
        ed.clockTime = ed.clockTime->addSecs(16 * 3600);
        ed.Label1->show();
        ed.Label2->show();
    }
}

} // namespace Module1
