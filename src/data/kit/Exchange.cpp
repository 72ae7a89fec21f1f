#include "Exchange.h"
#include "Session.h"

namespace Exchange {

bool IsOpen(const QTime& t) { return t.isValid() && t >= QTime(9, 0) && t < QTime(16, 0); }

std::optional<QTime> ShownTimeOfDay()
{
    const auto& t = Session::Current().Clock().Time();
    if (!t)
        return std::nullopt;
    return t->time();
}

} // namespace Exchange
