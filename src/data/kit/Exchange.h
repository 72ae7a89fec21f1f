#pragma once
// The exchange's hours, one rule everywhere, against the session's clock.
#include <QDateTime>
#include <optional>

namespace Exchange {

/// 09:00:00 <= t < 16:00:00.
bool IsOpen(const QTime& t);
/// The time of day the clock shows; none while it shows nothing (no game runs).
std::optional<QTime> ShownTimeOfDay();

} // namespace Exchange
