#include "Symbols.h"
#include "dao/Dao.h"
#include "data/MarketSchema.h"
#include <QCoreApplication>
#include <QRegularExpression>

namespace Assets {

namespace {
constexpr int kMaxSymbolLength = 60;

/// Why the stock's range queries cannot name its tables bare, as they are
/// stored, or empty when they can: tried on a scratch database in memory.
/// Most words of the database language (KEY, PLAN, ROW) can; a few (SELECT,
/// FROM) cannot.
QString queryProblem(const QString& symbol)
{
    const QString tables[] = {symbol, symbol + QStringLiteral("DAY")};
    try {
        dao::Database scratch = dao::Database::scratch();
        for (const QString& table : tables)
            scratch.appendTable(dao::TableDef(table, {{MarketSchema::kHistoryPriceField, dao::FieldType::Currency}}));
        for (const QString& table : tables)
            if (!scratch.compiles(MarketSchema::RangeQuerySql(table)))
                return QCoreApplication::translate("Assets", "it is a word of the database language");
        return {};
    } catch (const dao::Error& e) {
        return QCoreApplication::translate("Assets", "the database could not try it (%1)")
            .arg(QString::fromUtf8(e.what()));
    }
}

QStringList derivedNames(const QString& symbol)
{
    return {symbol, symbol + QStringLiteral("DAY"), symbol + QStringLiteral("Q"), symbol + QStringLiteral("QDAY")};
}

/// The name of the stock's tables and queries that the market keeps for its
/// own, now or in a later version; empty when none is.
QString keptName(const QString& symbol)
{
    for (const QString& name : derivedNames(symbol)) {
        if (dao::isOwnName(name))
            return name;
        for (const QString& own : MarketSchema::OwnTables())
            if (name.compare(own, Qt::CaseInsensitive) == 0)
                return name;
    }
    return {};
}
} // namespace

QString SymbolFormProblem(const QString& symbol)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
    if (!plain.match(symbol).hasMatch())
        return QCoreApplication::translate("Assets",
            "The symbol \"%1\" cannot be used: a symbol starts with a letter and holds only the "
            "letters A to Z, digits and \"_\", without blanks.")
            .arg(symbol);
    if (symbol.size() > kMaxSymbolLength)
        return QCoreApplication::translate(
            "Assets", "The symbol \"%1\" cannot be used: a symbol has at most %2 characters.")
            .arg(symbol)
            .arg(kMaxSymbolLength);
    if (symbol.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive))
        return QCoreApplication::translate("Assets",
            "The symbol \"%1\" cannot be used: names starting with \"sqlite_\" are the "
            "database's own.")
            .arg(symbol);
    if (const QString kept = keptName(symbol); !kept.isEmpty())
        return QCoreApplication::translate(
            "Assets", "The symbol \"%1\" cannot be used: the market keeps the name \"%2\" for its own tables.")
            .arg(symbol, kept);
    if (const QString why = queryProblem(symbol); !why.isEmpty())
        return QCoreApplication::translate("Assets", "The symbol \"%1\" cannot be used: %2.").arg(symbol, why);
    return {};
}

QString SymbolProblem(dao::Database& market, const QString& symbol)
{
    if (QString why = SymbolFormProblem(symbol); !why.isEmpty())
        return why;
    // The market matches names without regard to case.
    const QStringList existing = market.objectNames();
    for (const QString& name : derivedNames(symbol))
        for (const QString& other : existing)
            if (name.compare(other, Qt::CaseInsensitive) == 0)
                return QCoreApplication::translate("Assets",
                    "The symbol \"%1\" cannot be used: its table or query \"%2\" would clash "
                    "with \"%3\", which the market already holds.")
                    .arg(symbol, name, other);
    return {};
}

} // namespace Assets
