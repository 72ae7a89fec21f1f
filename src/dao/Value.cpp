#include "Value.h"
#include "DaoError.h"
#include <QLocale>
#include <QTimeZone>
#include <cmath>

namespace dao {

std::optional<double> parseNumber(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    // Never the desktop's format: stored "1.234" is the same number on every desktop.
    const double d = QLocale::c().toDouble(t, &ok);
    return ok && std::isfinite(d) ? std::optional<double>(d) : std::nullopt;
}

static double parseNumberText(const QString& text)
{
    if (const auto d = parseNumber(text))
        return *d;
    throw Error("Type mismatch: \"" + text.toStdString() + "\" is not a number", 0);
}

double Value::toDouble() const
{
    switch (kind()) {
    case Kind::Long:
        return double(asLong());
    case Kind::Double:
        return asDouble();
    case Kind::Currency:
        return asCurrency().toDouble();
    case Kind::Text:
        return parseNumberText(asText());
    default:
        throw Error("Type mismatch: value is not a number", 0);
    }
}

Currency Value::toCurrency() const
{
    if (kind() == Kind::Currency)
        return asCurrency();
    if (kind() == Kind::Long) {
        int64_t r;
        if (__builtin_mul_overflow(asLong(), Currency::kScale, &r))
            throw Error("Overflow: value does not fit a Currency field", 0);
        return Currency::fromTicks(r);
    }
    return Currency::fromDouble(toDouble());
}

Value convertForField(const Value& v, FieldType type)
{
    if (v.isNull())
        return v;
    switch (type) {
    case FieldType::Text:
        switch (v.kind()) {
        case Value::Kind::Text:
            return v;
        case Value::Kind::Long:
            return QString::number(v.asLong());
        case Value::Kind::Currency:
            return v.asCurrency().toPlainString();
        case Value::Kind::Double:
            return QString::number(v.asDouble(), 'g', 15);
        case Value::Kind::DateTime:
            return dateTimeToStorage(v.asDateTime());
        default:
            break;
        }
        break;
    case FieldType::Long: {
        if (v.kind() == Value::Kind::Long) {
            if (v.asLong() < INT32_MIN || v.asLong() > INT32_MAX)
                throw Error("Overflow: value does not fit a Long field", 0);
            return v;
        }
        if (v.kind() == Value::Kind::DateTime)
            break;
        // Half to even, as the engine rounds a fraction stored into a whole-number field.
        const double r = std::nearbyint(v.toDouble());
        if (!std::isfinite(r) || r < INT32_MIN || r > INT32_MAX)
            throw Error("Overflow: value does not fit a Long field", 0);
        return int64_t(r);
    }
    case FieldType::Double:
        if (v.kind() == Value::Kind::DateTime)
            break;
        return v.toDouble();
    case FieldType::Currency:
        if (v.kind() == Value::Kind::DateTime)
            break;
        return v.toCurrency();
    case FieldType::DateTime:
        if (v.kind() == Value::Kind::DateTime)
            return v;
        if (v.kind() == Value::Kind::Text) {
            const QDateTime dt = dateTimeFromStorage(v.asText());
            if (dt.isValid())
                return dt;
        }
        break;
    }
    throw Error("Type mismatch: value cannot be stored in this field", 0);
}

QDateTime naiveDateTime(const QDate& d, const QTime& t) { return QDateTime(d, t, QTimeZone::utc()); }

QString dateTimeToStorage(const QDateTime& dt) { return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

QDateTime dateTimeFromStorage(const QString& s)
{
    // The form the file stores, read by hand: a series of thousands is read at once.
    if (s.size() == 19 && s[4] == u'-' && s[7] == u'-' && s[10] == u' ' && s[13] == u':' && s[16] == u':') {
        auto number = [&](int at, int len) {
            int v = 0;
            for (int i = at; i < at + len; ++i) {
                const int d = s[i].unicode() - u'0';
                if (d < 0 || d > 9)
                    return -1;
                v = v * 10 + d;
            }
            return v;
        };
        const QDate d(number(0, 4), number(5, 2), number(8, 2));
        const QTime t(number(11, 2), number(14, 2), number(17, 2));
        if (d.isValid() && t.isValid())
            return naiveDateTime(d, t);
    }
    QDateTime dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(s, QStringLiteral("yyyy-MM-dd"));
        if (d.isValid())
            return naiveDateTime(d);
        return {};
    }
    return naiveDateTime(dt.date(), dt.time());
}

} // namespace dao
