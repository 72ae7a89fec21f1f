#include "OrderBook.h"
#include "GameSchema.h"
#include "ui/Numbers.h"

namespace OrderBook {

using namespace GameSchema;

namespace {
// The stored codes, one table each: a file written by any version reads the same.
const std::pair<Type, const char*> kTypes[] = {
    {Type::Buy, "Buy"}, {Type::Sell, "Sell"}, {Type::CoverShort, "Cover short"}, {Type::SellShort, "Sell short"}};
const std::pair<Condition, const char*> kConditions[] = {
    {Condition::AtOrBelow, "at or below"}, {Condition::AtOrAbove, "at or above"}};
const std::pair<State, const char*> kStates[] = {
    {State::Open, "open"}, {State::Filled, "filled"}, {State::Cancelled, "cancelled"}};

template <class E, size_t N> QString codeOf(const std::pair<E, const char*> (&table)[N], E e)
{
    for (const auto& [value, code] : table)
        if (value == e)
            return QString::fromLatin1(code);
    return {};
}

/// The value a stored code stands for; the fallback for a code no table has.
template <class E, size_t N>
E valueOf(const std::pair<E, const char*> (&table)[N], const dao::Value& stored, E fallback)
{
    const QString code = Numbers::PlainText(stored);
    for (const auto& [value, c] : table)
        if (code == QLatin1String(c))
            return value;
    return fallback;
}

dao::Value orNull(const std::optional<QDateTime>& t) { return t ? dao::Value(*t) : dao::Value(); }
dao::Value orNull(const std::optional<dao::Currency>& c) { return c ? dao::Value(*c) : dao::Value(); }

void write(dao::Recordset& rs, const Order& o)
{
    rs.setField(kStateField, Code(o.state));
    rs.setField(kDoneField, orNull(o.done));
    rs.setField(kFillPriceField, orNull(o.fillPrice));
    rs.setField(kNoteField, o.note);
}
} // namespace

QString Code(Type t) { return codeOf(kTypes, t); }

QString Code(Condition c) { return codeOf(kConditions, c); }

QString Code(State st) { return codeOf(kStates, st); }

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
        out.push_back({i, Numbers::PlainText(rs.field(kSymbolField)), valueOf(kTypes, rs.field(kTypeField), Type::None),
            // Anything but "at or above" waits for the price to fall, as before.
            valueOf(kConditions, rs.field(kConditionField), Condition::AtOrBelow),
            money(kPriceField).value_or(dao::Currency()), units.isNull() ? 0 : int64_t(units.toDouble()),
            time(kPlacedField).value_or(QDateTime()), valueOf(kStates, rs.field(kStateField), State::Cancelled),
            time(kDoneField), money(kFillPriceField), Numbers::PlainText(rs.field(kNoteField))});
    }
    return out;
}

int OpenCount(dao::Database& game)
{
    if (!game.hasTable(kOrdersTable))
        return 0;
    return game.openSnapshotWhere(kOrdersTable, {kStateField}, kStateField, {Code(State::Open)}).recordCount();
}

void Place(dao::Database& game, const Order& o)
{
    Ensure(game);
    dao::Recordset rs = game.openTable(kOrdersTable);
    rs.addNew();
    rs.setField(kSymbolField, o.symbol);
    rs.setField(kTypeField, Code(o.type));
    rs.setField(kConditionField, Code(o.condition));
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
