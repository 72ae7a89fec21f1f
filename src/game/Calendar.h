#pragma once
// The trading day, said once: the exchange's hours, the night the clock
// skips, the market's period and the day's first minute. The clock, the
// trade's hours check, the worth rows and the windows' timers read it here.
#include <QDateTime>
#include <optional>

namespace Calendar {

/// A clock minute, and the market's period of ten clock minutes, in
/// milliseconds at normal speed.
inline constexpr int kMinuteMs = 1000;
inline constexpr int kMarketMs = 10 * kMinuteMs;

/// The exchange is open from 09:00:00 up to 16:00:00.
bool IsOpen(const QTime& t);
/// When a game's day starts (09:00), where its worth series begins.
QDateTime DayStart(const QDate& day);
/// One clock minute on from a time: a game's first is 09:01 of its first day,
/// and the night is skipped (17:00 stays shown until 09:01 of the next day).
QDateTime NextMinute(const std::optional<QDateTime>& now, const QDate& firstDay);

} // namespace Calendar
