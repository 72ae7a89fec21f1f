#include "GameSchema.h"
#include "ui/Numbers.h"
#include <QUuid>

namespace GameSchema {

const QStringList& Objects()
{
    static const QStringList objects = {kTradeTable, kPlayerTable, kPositionQuery, kResultQuery};
    return objects;
}

void Create(dao::Database& db)
{
    using dao::FieldType;
    db.appendTable(dao::TableDef(kTradeTable,
        {{kSymbolField, FieldType::Text}, {kPriceField, FieldType::Currency}, {kUnitsField, FieldType::Long},
            {kResultField, FieldType::Currency}}));
    db.appendTable(dao::TableDef(kPlayerTable,
        {{kNameField, FieldType::Text}, {kCashField, FieldType::Currency}, {kDateField, FieldType::DateTime},
            {kBalanceField, FieldType::Currency}, {kDaytimeField, FieldType::Text}, {kNewsField, FieldType::Text},
            {kGameField, FieldType::Text}}));
    db.createQueryDef(kPositionQuery, kPositionSql);
    db.createQueryDef(kResultQuery, kResultSql);
}

bool Ensure(dao::Database& game, const dao::TableDef& table)
{
    if (game.hasTable(table.name()))
        return false;
    game.appendTable(table);
    return true;
}

void AppendTrade(dao::Database& game, const QString& symbol, dao::Currency price, int64_t units, dao::Currency result)
{
    dao::Recordset rs = game.openTable(kTradeTable);
    rs.addNew();
    rs.setField(kSymbolField, symbol);
    rs.setField(kPriceField, price);
    rs.setField(kUnitsField, units);
    rs.setField(kResultField, result);
    rs.update();
}

bool NewsOf(dao::Database& game)
{
    if (!game.hasField(kPlayerTable, kNewsField))
        return false;
    dao::Recordset info = game.openSnapshot(kPlayerTable, {kNewsField});
    return info.recordCount() > 0 && IsYes(info.field(kNewsField));
}

void SetNews(dao::Database& game, bool on)
{
    dao::Transaction tx = game.beginTransaction();
    if (!game.hasField(kPlayerTable, kNewsField))
        game.appendField(kPlayerTable, {kNewsField, dao::FieldType::Text});
    dao::Recordset info = game.openTable(kPlayerTable);
    for (int i = 0, n = info.recordCount(); i < n; ++i, info.moveNext()) {
        info.edit();
        info.setField(kNewsField, YesNo(on));
        info.update();
    }
    info.close();
    tx.commit();
}

QString NewGameId() { return QUuid::createUuid().toString(QUuid::WithoutBraces); }

QString EnsureGameId(dao::Database& game)
{
    if (!game.hasField(kPlayerTable, kGameField))
        game.appendField(kPlayerTable, {kGameField, dao::FieldType::Text});
    dao::Recordset info = game.openTable(kPlayerTable);
    if (info.eof())
        return {};
    QString id = Numbers::PlainText(info.field(kGameField));
    if (id.isEmpty()) {
        id = NewGameId();
        info.edit();
        info.setField(kGameField, id);
        info.update();
    }
    return id;
}

dao::Currency StartingBalanceOf(const dao::Recordset& info)
{
    const dao::Value cash = info.field(kCashField);
    return cash.isNumber() ? cash.toCurrency() : dao::Currency::fromDouble(kStartingBalance);
}

} // namespace GameSchema
