#include "MarketSchema.h"

namespace MarketSchema {

std::pair<dao::Value, dao::Value> PriceRange(
    dao::Database& db, const QString& query, const QString& priceTable, dao::Recordset* prices)
{
    // Compared in place: the board asks this of every stock on every tick.
    static const QString prefix = RangeQuerySql(QString());
    const QString sql = db.querySql(query);
    if (sql.size() == prefix.size() + priceTable.size() && sql.startsWith(prefix) &&
        QStringView(sql).sliced(prefix.size()) == priceTable)
        return prices ? prices->minMax(kHistoryPriceField) : db.minMax(priceTable, kHistoryPriceField);
    dao::Recordset range = db.openSnapshot(query);
    return {range.field(QStringLiteral("Min Of Price")), range.field(QStringLiteral("Max Of Price"))};
}

bool EnsureNews(dao::Database& db)
{
    using dao::FieldType;
    if (db.hasTable(kNewsTable))
        return false;
    db.appendTable(dao::TableDef(kNewsTable,
        {{kNewsTimeField, FieldType::DateTime}, {kNewsSymbolField, FieldType::Text}, {kKindField, FieldType::Text},
            {kHeadlineField, FieldType::Text}, {kDirectionField, FieldType::Text},
            {kMovesLeftField, FieldType::Long}, {kPhraseField, FieldType::Text}, {kCompanyField, FieldType::Text}}));
    return true;
}

namespace {
/// An earlier version kept a headline as its source words and the company's
/// name, joined by a character no name holds: now each has a field of its
/// own, and the headline reads as in English.
void splitHeadlines(dao::Database& db)
{
    db.appendField(kNewsTable, {kPhraseField, dao::FieldType::Text});
    db.appendField(kNewsTable, {kCompanyField, dao::FieldType::Text});
    for (dao::Recordset rs = db.openTable(kNewsTable); !rs.eof(); rs.moveNext()) {
        const dao::Value stored = rs.field(kHeadlineField);
        const QStringList parts = (stored.isNull() ? QString() : stored.asText()).split(QChar(0x1f));
        const QString company = parts.value(1);
        rs.edit();
        rs.setField(kPhraseField, parts.front());
        rs.setField(kCompanyField, company);
        rs.setField(kHeadlineField, company.isEmpty() ? parts.front() : parts.front().arg(company));
        rs.update();
    }
}
} // namespace

void EnsureHall(dao::Database& db)
{
    using dao::FieldType;
    if (!db.hasTable(kHallTable))
        return db.appendTable(dao::TableDef(kHallTable,
            {{kHallPlayerField, FieldType::Text}, {kStartedField, FieldType::DateTime},
                {kEndedField, FieldType::DateTime}, {kDaysField, FieldType::Long}, {kTradesField, FieldType::Long},
                {kWorthField, FieldType::Currency}, {kReturnField, FieldType::Double},
                {kMarketReturnField, FieldType::Double}, {kBeatByField, FieldType::Double},
                {kHallNewsField, FieldType::Text}, {kHallGameField, FieldType::Text}}));
    if (!db.hasField(kHallTable, kHallGameField))
        db.appendField(kHallTable, {kHallGameField, FieldType::Text});
}

const QStringList& OwnTables()
{
    static const QStringList tables = {kStocksTable, kNewsTable, kHallTable};
    return tables;
}

void CarryOver(dao::Database& db)
{
    // The news an earlier version kept under a name a stock could have: known
    // by its fields from a stock's own table of that name.
    const bool renamed =
        db.hasTable(kOldNewsTable) && db.hasField(kOldNewsTable, kMovesLeftField) && !db.hasTable(kNewsTable);
    const QString news = renamed ? kOldNewsTable : kNewsTable;
    const bool split = db.hasTable(news) && !db.hasField(news, kPhraseField);
    if (!renamed && !split)
        return; // nothing is written to a market made by this version
    dao::Transaction tx = db.beginTransaction();
    if (renamed)
        db.renameTable(kOldNewsTable, kNewsTable);
    if (split)
        splitHeadlines(db);
    tx.commit();
}

void CreateStocksTable(dao::Database& db)
{
    using dao::FieldType;
    db.appendTable(dao::TableDef(kStocksTable,
        {{kSymbolField, FieldType::Text}, {kNameField, FieldType::Text}, {kPriceField, FieldType::Currency},
            {kMinField, FieldType::Currency}, {kMaxField, FieldType::Currency}, {kVolumeField, FieldType::Double}}));
}

void CreateStockObjects(dao::Database& db, const QString& symbol, const std::vector<dao::Currency>& history)
{
    if (!dao::isPlainIdentifier(symbol))
        throw dao::Error("A stock symbol must be letters and digits: '" + symbol.toStdString() + "'", 0);
    for (const QString& table : {symbol, symbol + QStringLiteral("DAY")})
        db.appendTable(dao::TableDef(table, {{kHistoryPriceField, dao::FieldType::Currency}}));
    dao::Recordset rs = db.openTable(symbol);
    for (const dao::Currency& p : history) {
        rs.addNew();
        rs.setField(kHistoryPriceField, p);
        rs.update();
    }
    rs.close();
    db.createQueryDef(symbol + QStringLiteral("Q"), RangeQuerySql(symbol));
    db.createQueryDef(symbol + QStringLiteral("QDAY"), RangeQuerySql(symbol + QStringLiteral("DAY")));
}

} // namespace MarketSchema
