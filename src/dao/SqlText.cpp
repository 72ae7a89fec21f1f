#include "Connection.h"
#include <QRegularExpression>

namespace dao {

QString quoted(const QString& name)
{
    QString q = name;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QString jsonArray(const QStringList& texts)
{
    QString out = QStringLiteral("[");
    for (const QString& t : texts) {
        if (out.size() > 1)
            out += QLatin1Char(',');
        out += QLatin1Char('"');
        for (QChar c : t) {
            if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
                out += QLatin1Char('\\');
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
        out += QLatin1Char('"');
    }
    return out + QLatin1Char(']');
}

QString declTypeName(FieldType t)
{
    switch (t) {
    case FieldType::Text:
        return QStringLiteral("TEXT");
    case FieldType::Long:
        return QStringLiteral("LONG");
    case FieldType::Currency:
        return QStringLiteral("CURRENCY");
    case FieldType::Double:
        return QStringLiteral("DOUBLE");
    case FieldType::DateTime:
        return QStringLiteral("DATETIME");
    }
    return {};
}

std::optional<FieldType> fieldTypeFromDecl(const char* decl)
{
    if (!decl)
        return std::nullopt;
    const QString d = QString::fromUtf8(decl).toUpper();
    if (d == "CURRENCY" || d == "MONEY")
        return FieldType::Currency;
    if (d == "LONG" || d.contains("INT"))
        return FieldType::Long;
    if (d == "DOUBLE" || d.contains("REAL") || d.contains("FLOA") || d.contains("DOUB"))
        return FieldType::Double;
    if (d.startsWith("DATE"))
        return FieldType::DateTime;
    if (d.contains("CHAR") || d.contains("TEXT") || d.contains("CLOB"))
        return FieldType::Text;
    return std::nullopt;
}

QString translateJet(const QString& jet)
{
    QString s = jet.trimmed();
    while (s.endsWith(QLatin1Char(';')))
        s = s.chopped(1).trimmed();
    static const QRegularExpression distinctRow(
        QStringLiteral("^\\s*SELECT\\s+DISTINCTROW\\b"), QRegularExpression::CaseInsensitiveOption);
    s.replace(distinctRow, QStringLiteral("SELECT"));
    return s;
}

SelectParts splitSelect(const QString& sql)
{
    SelectParts parts;
    static const QRegularExpression head(
        QStringLiteral("^\\s*SELECT\\s+(DISTINCT\\s+|ALL\\s+)?"), QRegularExpression::CaseInsensitiveOption);
    const auto m = head.match(sql);
    if (!m.hasMatch())
        return parts;
    int depth = 0;
    QChar quote;
    int start = int(m.capturedEnd());
    for (int i = start; i < sql.size(); ++i) {
        const QChar ch = sql[i];
        if (!quote.isNull()) {
            if (ch == quote)
                quote = QChar();
            continue;
        }
        if (ch == '[')
            quote = ']';
        else if (ch == '"' || ch == '\'' || ch == '`')
            quote = ch;
        else if (ch == '(')
            ++depth;
        else if (ch == ')')
            --depth;
        else if (depth == 0 && ch == ',') {
            parts.items << sql.mid(start, i - start).trimmed();
            start = i + 1;
        } else if (depth == 0 && ch.isSpace() && sql.mid(i + 1, 4).compare("FROM", Qt::CaseInsensitive) == 0 &&
            (i + 5 >= sql.size() || sql[i + 5].isSpace() || sql[i + 5] == '[' || sql[i + 5] == '"')) {
            parts.items << sql.mid(start, i - start).trimmed();
            parts.fromClause = sql.mid(i + 1);
            return parts;
        }
    }
    parts.items << sql.mid(start).trimmed();
    return parts;
}

bool isPlainIdentifier(const QString& name)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re.match(name).hasMatch();
}

bool isOwnName(const QString& name) { return name.startsWith(QLatin1String("tq_"), Qt::CaseInsensitive); }

} // namespace dao
