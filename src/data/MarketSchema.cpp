#include "MarketSchema.h"

namespace MarketSchema {

QString RangeQuerySql(const QString& priceTable)
{
    return QStringLiteral("SELECT Min([Price]) AS [Min Of Price], Max([Price]) AS [Max Of Price] FROM ") + priceTable;
}

void CreateStocksTable(dao::Database& db)
{
    using dao::FieldType;
    dao::TableDef t(kStocksTable);
    t.appendField(t.createField(QStringLiteral("stocksymbol"), FieldType::Text));
    t.appendField(t.createField(QStringLiteral("stockname"), FieldType::Text));
    t.appendField(t.createField(QStringLiteral("Stockcurrent Price"), FieldType::Currency));
    t.appendField(t.createField(QStringLiteral("Min"), FieldType::Currency));
    t.appendField(t.createField(QStringLiteral("Max"), FieldType::Currency));
    t.appendField(t.createField(QStringLiteral("Volume"), FieldType::Double));
    db.appendTable(t);
}

void CreateStockObjects(dao::Database& db, const QString& symbol, const std::vector<dao::Currency>& history)
{
    if (!dao::isPlainIdentifier(symbol))
        throw dao::Error("A stock symbol must be letters and digits: '" + symbol.toStdString() + "'", 0);
    for (const QString& table : {symbol, symbol + QStringLiteral("DAY")}) {
        dao::TableDef t(table);
        t.appendField(t.createField(QStringLiteral("Price"), dao::FieldType::Currency));
        db.appendTable(t);
    }
    dao::Recordset rs = db.openTable(symbol);
    for (const dao::Currency& p : history) {
        rs.addNew();
        rs.setField(QStringLiteral("Price"), p);
        rs.update();
    }
    rs.close();
    db.createQueryDef(symbol + QStringLiteral("Q"), RangeQuerySql(symbol));
    db.createQueryDef(symbol + QStringLiteral("QDAY"), RangeQuerySql(symbol + QStringLiteral("DAY")));
}

} // namespace MarketSchema
