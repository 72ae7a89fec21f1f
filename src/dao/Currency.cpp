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
    PlainChars room;
    return toPlainChars(room, decimalPoint).toString();
}

QStringView Currency::toPlainChars(PlainChars& room, QChar decimalPoint) const
{
    // Written from the right: the price board formats thousands on every tick.
    char16_t* end = room.data() + room.size();
    char16_t* p = end;
    const bool negative = ticks_ < 0;
    // Work in unsigned so that the most negative value does not overflow.
    const uint64_t mag = negative ? uint64_t(0) - uint64_t(ticks_) : uint64_t(ticks_);
    uint64_t frac = mag % kScale;
    if (frac != 0) {
        int digits = 4;
        while (frac % 10 == 0) { // no trailing zeros
            frac /= 10;
            --digits;
        }
        for (int i = 0; i < digits; ++i, frac /= 10)
            *--p = char16_t(u'0' + frac % 10);
        *--p = decimalPoint.unicode();
    }
    uint64_t whole = mag / kScale;
    do {
        *--p = char16_t(u'0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative)
        *--p = u'-';
    return QStringView(p, end - p);
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

Currency Currency::operator*(int64_t n) const
{
    int64_t r;
    if (__builtin_mul_overflow(ticks_, n, &r))
        overflow();
    return fromTicks(r);
}

} // namespace dao
