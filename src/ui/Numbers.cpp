#include "Numbers.h"
#include <QLocale>
#include <charconv>
#include <cmath>
#include <optional>

namespace Numbers {

static QChar decimalPoint()
{
    // Asked for every number shown; the locale builds its answer as a string
    // each time, so it is kept until the default locale changes.
    thread_local QLocale locale;
    thread_local QChar dp;
    const QLocale now;
    if (dp.isNull() || now != locale) {
        locale = now;
        const QString s = now.decimalPoint();
        dp = s.isEmpty() ? QLatin1Char('.') : s.front();
    }
    return dp;
}

// Fifteen digits, except at the very top of the range, where rounding to
// fifteen would write a number past the largest double that reads back as
// infinity.
static int shownDigits(double v) { return std::fabs(v) > 1.797693134862e308 ? 17 : 15; }

QString PlainText(double v)
{
    if (std::isnan(v))
        return QStringLiteral("NaN");
    if (std::isinf(v))
        return v > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (v == 0)
        return QStringLiteral("0"); // also for -0
    // A whole number of up to fifteen digits reads the same as an integer: the quick way.
    if (std::fabs(v) < 1e15 && v == std::trunc(v))
        return QString::number(qint64(v));
    QString s = QString::number(v, 'g', shownDigits(v));
    // Exponents as "1E+20", the conventional form of the plain number text.
    const int e = int(s.indexOf(QLatin1Char('e')));
    if (e >= 0) {
        QString mant = s.left(e), exp = s.mid(e + 1);
        const QChar sign = exp.front();
        exp = exp.mid(1);
        while (exp.size() > 1 && exp.front() == QLatin1Char('0'))
            exp.remove(0, 1);
        s = mant + QLatin1Char('E') + sign + exp;
    }
    if (s.contains(QLatin1Char('.'))) // the locale is looked up only where it shows
        s.replace(QLatin1Char('.'), decimalPoint());
    return s;
}

QString PlainText(const dao::Value& v)
{
    using K = dao::Value::Kind;
    switch (v.kind()) {
    case K::Null:
        return {};
    case K::Long:
        return QString::number(v.asLong());
    case K::Double:
        return PlainText(v.asDouble());
    case K::Currency: // the locale is looked up only where a fraction shows it
        return v.asCurrency().toPlainString(
            v.asCurrency().ticks() % dao::Currency::kScale ? decimalPoint() : QLatin1Char('.'));
    case K::Text:
        return v.asText();
    case K::DateTime: {
        const QDateTime& dt = v.asDateTime();
        QString s = QLocale().toString(dt.date(), QLocale::ShortFormat);
        if (dt.time() != QTime(0, 0))
            s += QLatin1Char(' ') + dt.time().toString(QStringLiteral("HH:mm:ss"));
        return s;
    }
    }
    return {};
}

TextBuffer::TextBuffer() : point(decimalPoint()) { }

QStringView PlainText(const dao::Value& v, TextBuffer& buffer)
{
    switch (v.kind()) {
    case dao::Value::Kind::Currency:
        return v.asCurrency().toPlainChars(buffer.chars, buffer.point);
    case dao::Value::Kind::Text:
        return v.asText();
    default:
        buffer.text = PlainText(v);
        return buffer.text;
    }
}

static QString withoutBlanks(const QString& text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            s += c;
    return s;
}

/// "&H" (hexadecimal) or "&O" (octal) and the digits of that base that follow; none for other text.
static std::optional<double> radixNumber(const QString& s)
{
    const QChar p = s.size() >= 2 && s[0] == QLatin1Char('&') ? s[1].toUpper() : QChar();
    const int base = p == QLatin1Char('H') ? 16 : p == QLatin1Char('O') ? 8 : 0;
    if (!base)
        return std::nullopt;
    qint64 n = 0;
    for (int i = 2; i < s.size(); ++i) {
        const QChar c = s[i].toUpper();
        const int d = c.isDigit()                                          ? c.digitValue()
            : base == 16 && c >= QLatin1Char('A') && c <= QLatin1Char('F') ? c.unicode() - 'A' + 10
                                                                           : -1;
        if (d < 0 || d >= base || n > (qint64(1) << 40))
            break;
        n = n * base + d;
    }
    return double(n);
}

/// Appends the ASCII digits from s[i] on to num; whether there were any.
static bool takeDigits(const QString& s, int& i, QString& num)
{
    const int from = i;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128)
        num += s[i++];
    return i > from;
}

double Val(const QString& text)
{
    const QString s = withoutBlanks(text);
    if (const auto radix = radixNumber(s))
        return *radix;
    // Longest leading run of [sign] digits [. digits] [e|d [sign] digits].
    int i = 0;
    QString num;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        num += s[i++];
    bool digits = takeDigits(s, i, num);
    if (i < s.size() && s[i] == QLatin1Char('.')) {
        num += s[i++];
        digits = takeDigits(s, i, num) || digits;
    }
    if (!digits)
        return 0;
    if (i < s.size() && (s[i].toLower() == QLatin1Char('e') || s[i].toLower() == QLatin1Char('d'))) {
        int j = i + 1;
        QString exp = QStringLiteral("e");
        if (j < s.size() && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            exp += s[j++];
        if (takeDigits(s, j, exp))
            num += exp;
    }
    const QByteArray a = num.toLatin1();
    double v = 0;
    const auto [end, ec] = std::from_chars(a.constData() + (a.startsWith('+') ? 1 : 0), a.constData() + a.size(), v);
    (void)end;
    if (ec == std::errc::result_out_of_range)
        return num.contains(QLatin1String("e-")) ? 0.0 : (num.startsWith(QLatin1Char('-')) ? -HUGE_VAL : HUGE_VAL);
    return v;
}

std::optional<double> ReadWhole(const QString& text)
{
    bool ok = false;
    const double v = QLocale().toDouble(withoutBlanks(text), &ok);
    // "inf" or "nan" are words, not numbers a player types.
    return ok && std::isfinite(v) ? std::optional(v) : std::nullopt;
}

double ReadTyped(const QString& text) { return ReadWhole(text).value_or(Val(text)); }

QString FormatFourDecimals(double v)
{
    if (!std::isfinite(v))
        return PlainText(v);
    // Rounded through the fixed-point form, so 12.34 does not become 12.3399.
    const double r = std::round(v * 10000.0) / 10000.0;
    QString s = QString::number(r, 'f', 4);
    if (s == QLatin1String("-0.0000"))
        s = QStringLiteral("0.0000");
    if (s.contains(QLatin1Char('.'))) // the locale is looked up only where it shows
        s.replace(QLatin1Char('.'), decimalPoint());
    return s;
}

} // namespace Numbers
