#pragma once
#include <QDateTime>
#include <QString>
#include <optional>

namespace Market {

/// The clock in the locale's general date-and-time form, seconds included.
QString ClockText(const QDateTime& dt);
/// The weekday's full name in the locale.
QString WeekdayName(const QDateTime& dt);

} // namespace Market
