#pragma once
#include <QString>
#include <array>
#include <cstdint>

namespace dao {

/// Fixed-point money: a count of ten-thousandths in 64 bits, as the old engine's Currency.
class Currency {
public:
    static constexpr int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromTicks(int64_t t)
    {
        Currency c;
        c.ticks_ = t;
        return c;
    }
    /// Rounds to four decimals, half to even (as the engine converts doubles).
    /// Throws dao::Error for values outside the 64-bit range or not finite.
    static Currency fromDouble(double v);

    constexpr int64_t ticks() const { return ticks_; }
    double toDouble() const { return static_cast<double>(ticks_) / kScale; }
    /// Plain form: no grouping, trailing zeros dropped, '.' as separator.
    QString toPlainString(QChar decimalPoint = QLatin1Char('.')) const;
    /// Room for the plain form of any Currency.
    using PlainChars = std::array<char16_t, 32>;
    /// The plain form written into room, without making a string.
    QStringView toPlainChars(PlainChars& room, QChar decimalPoint = QLatin1Char('.')) const;

    friend constexpr bool operator==(Currency a, Currency b) { return a.ticks_ == b.ticks_; }
    friend constexpr auto operator<=>(Currency a, Currency b) { return a.ticks_ <=> b.ticks_; }
    Currency operator+(Currency o) const;
    Currency operator-(Currency o) const;
    Currency operator-() const;
    /// Exact: a price times a whole number of units.
    Currency operator*(int64_t n) const;

private:
    int64_t ticks_ = 0;
};

} // namespace dao
