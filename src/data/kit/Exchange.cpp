#include "Exchange.h"

namespace Exchange {

namespace {
std::optional<QDateTime>& shown()
{
    static std::optional<QDateTime> t;
    return t;
}
} // namespace

bool IsOpen(const QTime& t) { return t.isValid() && t >= QTime(9, 0) && t < QTime(16, 0); }

std::optional<QTime> ShownTimeOfDay()
{
    if (!shown())
        return std::nullopt;
    return shown()->time();
}

void SetShown(std::optional<QDateTime> t) { shown() = std::move(t); }

} // namespace Exchange
