#include "OrderBook.h"
#include "GameSchema.h"
#include "data/kit/Numbers.h"

namespace OrderBook {

using namespace GameSchema;

namespace {
const std::pair<Type, const char*> kTypes[] = {
    {Type::Buy, "Buy"}, {Type::Sell, "Sell"}, {Type::CoverShort, "Cover short"}, {Type::SellShort, "Sell short"}};

dao::Value orNull(const std::optional<QDateTime>& t) { return t ? dao::Value(*t) : dao::Value(); }
dao::Value orNull(const std::optional<dao::Currency>& c) { return c ? dao::Value(*c) : dao::Value(); }

void write(dao::Recordset& rs, const Order& o)
{
    rs.setField(kStateField, o.state);
    rs.setField(kDoneField, orNull(o.done));
    rs.setField(kFillPriceField, orNull(o.fillPrice));
    rs.setField(kNoteField, o.note);
}
} // namespace

QString TypeName(Type t)
{
    for (const auto& [type, name] : kTypes)
        if (type == t)
            return QString::fromLatin1(name);
    return {};
}

Type TypeNamed(const QString& name)
{
    for (const auto& [type, n] : kTypes)
        if (name == QLatin1String(n))
            return type;
    return Type::None;
}

QString ConditionName(bool atOrBelow)
{
    return atOrBelow ? QStringLiteral("at or below") : QStringLiteral("at or above");
}

bool Ensure(dao::Database& game)
{
    using dao::FieldType;
    return GameSchema::Ensure(game,
        dao::TableDef(kOrdersTable,
            {{kSymbolField, FieldType::Text}, {kTypeField, FieldType::Text}, {kConditionField, FieldType::Text},
                {kPriceField, FieldType::Currency}, {kUnitsField, FieldType::Long}, {kPlacedField, FieldType::DateTime},
                {kStateField, FieldType::Text}, {kDoneField, FieldType::DateTime},
                {kFillPriceField, FieldType::Currency}, {kNoteField, FieldType::Text}}));
}

std::vector<Order> Read(dao::Database& game)
{
    std::vector<Order> out;
    if (!game.hasTable(kOrdersTable))
        return out;
    dao::Recordset rs = game.openSnapshot(kOrdersTable);
    const int n = rs.recordCount();
    out.reserve(size_t(n));
    auto time = [&](const QString& f) {
        const dao::Value v = rs.field(f);
        return v.kind() == dao::Value::Kind::DateTime ? std::optional(v.asDateTime()) : std::nullopt;
    };
    auto money = [&](const QString& f) {
        const dao::Value v = rs.field(f);
        return v.isNull() ? std::nullopt : std::optional(v.toCurrency());
    };
    for (int i = 0; i < n; ++i, rs.moveNext()) {
        const dao::Value units = rs.field(kUnitsField);
        out.push_back(
            {i, Numbers::PlainText(rs.field(kSymbolField)), TypeNamed(Numbers::PlainText(rs.field(kTypeField))),
                Numbers::PlainText(rs.field(kConditionField)) != ConditionName(false),
                money(kPriceField).value_or(dao::Currency()), units.isNull() ? 0 : int64_t(units.toDouble()),
                time(kPlacedField).value_or(QDateTime()), Numbers::PlainText(rs.field(kStateField)), time(kDoneField),
                money(kFillPriceField), Numbers::PlainText(rs.field(kNoteField))});
    }
    return out;
}

void Place(dao::Database& game, const Order& o)
{
    Ensure(game);
    dao::Recordset rs = game.openTable(kOrdersTable);
    rs.addNew();
    rs.setField(kSymbolField, o.symbol);
    rs.setField(kTypeField, TypeName(o.type));
    rs.setField(kConditionField, ConditionName(o.atOrBelow));
    rs.setField(kPriceField, o.price);
    rs.setField(kUnitsField, o.units);
    rs.setField(kPlacedField, o.placed);
    write(rs, o);
    rs.update();
}

void Update(dao::Database& game, const Order& o)
{
    dao::Recordset rs = game.openTable(kOrdersTable);
    for (int i = 0; i < o.row; ++i)
        rs.moveNext();
    rs.edit();
    write(rs, o);
    rs.update();
}

} // namespace OrderBook
