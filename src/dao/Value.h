#pragma once
#include "Currency.h"
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

namespace dao {

/// The field types a table can hold; the numbers are the old engine's type codes.
enum class FieldType { Long = 4, Currency = 5, Double = 7, DateTime = 8, Text = 10 };

struct Null {
    friend constexpr bool operator==(Null, Null) { return true; }
};

/// A field value. Null is distinct from 0 and from empty text. Date/Time values
/// are naive calendar times (held as UTC so that no daylight-saving shift applies).
class Value {
public:
    enum class Kind { Null, Long, Double, Currency, Text, DateTime };

    Value() = default;
    Value(Null) { }
    Value(int v) : v_(int64_t(v)) { }
    Value(int64_t v) : v_(v) { }
    Value(double v) : v_(v) { }
    Value(Currency v) : v_(v) { }
    Value(const QString& v) : v_(v) { }
    Value(const char* v) : v_(QString::fromUtf8(v)) { }
    Value(const QDateTime& v) : v_(v) { }

    Kind kind() const { return Kind(v_.index()); }
    bool isNull() const { return kind() == Kind::Null; }
    bool isNumber() const { return kind() == Kind::Long || kind() == Kind::Double || kind() == Kind::Currency; }

    int64_t asLong() const { return std::get<int64_t>(v_); }
    double asDouble() const { return std::get<double>(v_); }
    Currency asCurrency() const { return std::get<Currency>(v_); }
    const QString& asText() const { return std::get<QString>(v_); }
    const QDateTime& asDateTime() const { return std::get<QDateTime>(v_); }

    /// Numeric value of a number, or of a text that reads as a number with a
    /// '.' separator, whatever the desktop's format. Throws dao::Error ("Type mismatch") otherwise.
    double toDouble() const;
    /// As the engine stores into a Currency field: numbers rounded to four decimals.
    Currency toCurrency() const;

    friend bool operator==(const Value& a, const Value& b) { return a.v_ == b.v_; }

private:
    std::variant<Null, int64_t, double, Currency, QString, QDateTime> v_;
};

/// A number as text with a '.' separator, the same on every desktop; none when
/// the text is no finite number.
std::optional<double> parseNumber(const QString& text);

/// Converts a value to what a field of the given type holds (Null stays Null).
/// Throws dao::Error on a value the type cannot hold.
Value convertForField(const Value& v, FieldType type);

/// Date/Time to and from the text stored in the file ("yyyy-MM-dd HH:mm:ss").
QString dateTimeToStorage(const QDateTime& dt);
QDateTime dateTimeFromStorage(const QString& s);
QDateTime naiveDateTime(const QDate& d, const QTime& t = QTime(0, 0));

} // namespace dao
