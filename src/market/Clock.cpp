#include "Clock.h"
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

