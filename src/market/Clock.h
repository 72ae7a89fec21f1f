#pragma once
#include <QDateTime>
#include <QString>
#include <optional>

namespace Market {

/// Exchange hours, one rule everywhere: 09:00:00 <= t < 16:00:00.
bool IsExchangeOpen(const QTime& t);
/// The clock in the locale's general date-and-time form, seconds included.
QString ClockText(const QDateTime& dt);
/// The weekday's full name in the locale.
QString WeekdayName(const QDateTime& dt);
/// The time of day the main window's clock shows; none while its label is empty
/// or no game runs.
std::optional<QTime> ShownTimeOfDay();

} // namespace Market
