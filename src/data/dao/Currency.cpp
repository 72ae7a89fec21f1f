#include "Currency.h"
#include "DaoError.h"
#include <cmath>
#include <limits>

namespace dao {

Currency Currency::fromDouble(double v)
{
    const double scaled = v * kScale;
    // 2^63 is exactly representable; anything at or beyond it cannot be held.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2233720368547758e18)
        throw Error("Overflow: value does not fit a Currency field", 0);
    return fromTicks(static_cast<int64_t>(std::nearbyint(scaled)));
}

QString Currency::toPlainString(QChar decimalPoint) const
{
    const bool negative = ticks_ < 0;
    // Work in unsigned so that the most negative value does not overflow.
    const uint64_t mag = negative ? uint64_t(0) - uint64_t(ticks_) : uint64_t(ticks_);
    QString s = QString::number(mag / kScale);
    uint64_t frac = mag % kScale;
    if (frac != 0) {
        QString f = QString::number(frac).rightJustified(4, QLatin1Char('0'));
        while (f.endsWith(QLatin1Char('0')))
            f.chop(1);
        s += decimalPoint + f;
    }
    return negative ? QLatin1Char('-') + s : s;
}

[[noreturn]] static void overflow() { throw Error("Overflow: Currency arithmetic out of range", 0); }

Currency Currency::operator+(Currency o) const
{
    int64_t r;
    if (__builtin_add_overflow(ticks_, o.ticks_, &r))
        overflow();
    return fromTicks(r);
}

Currency Currency::operator-(Currency o) const
{
    int64_t r;
    if (__builtin_sub_overflow(ticks_, o.ticks_, &r))
        overflow();
    return fromTicks(r);
}

Currency Currency::operator-() const { return Currency() - *this; }

} // namespace dao
