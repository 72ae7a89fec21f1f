#include "Calendar.h"
#include "dao/Value.h"

namespace Calendar {

namespace {
const QTime kOpens(9, 0), kCloses(16, 0), kNight(17, 0), kLastMinute(23, 59);
/// From 17:00 to 09:00 of the next day.
const int kNightSecs = 24 * 3600 - kOpens.secsTo(kNight);
} // namespace

bool IsOpen(const QTime& t) { return t.isValid() && t >= kOpens && t < kCloses; }

QDateTime DayStart(const QDate& day) { return dao::naiveDateTime(day, kOpens); }

QDateTime NextMinute(const std::optional<QDateTime>& now, const QDate& firstDay)
{
    if (!now)
        return DayStart(firstDay).addSecs(60);
    if (now->time() >= kNight && now->time() < kLastMinute)
        return now->addSecs(kNightSecs + 60); // 17:00 stays shown until 09:01
    return now->addSecs(60);
}

} // namespace Calendar
