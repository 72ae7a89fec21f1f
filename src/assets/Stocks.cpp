#include "Stocks.h"
#include "Symbols.h"
#include "dao/Dao.h"
#include "data/MarketSchema.h"
#include "data/StockList.h"
#include "ui/App.h"
#include "ui/Failure.h"
#include <QCoreApplication>

namespace Assets {

namespace {
/// Lists the stock: its row and its four objects together or not at all,
/// never a stock without its tables. Its history starts with 200 zero prices.
void list(dao::Database& db, const QString& name, const QString& symbol, const std::array<double, 4>& figures)
{
    const auto [price, low, high, volume] = figures;
    dao::Transaction tx = db.beginTransaction();
    dao::Recordset rs = db.openTable(MarketSchema::kStocksTable);
    rs.addNew();
    using namespace MarketSchema;
    rs.setField(kNameField, name);
    rs.setField(kSymbolField, symbol);
    rs.setField(kPriceField, price);
    rs.setField(kMinField, low);
    rs.setField(kMaxField, high);
    rs.setField(kVolumeField, volume);
    rs.update();
    rs.close();
    std::vector<dao::Currency> history(200, dao::Currency());
    history.push_back(dao::Currency::fromDouble(price));
    MarketSchema::CreateStockObjects(db, symbol, history);
    tx.commit();
}

using Kind = Outcome::Kind;
} // namespace

Outcome AddStock(const QString& name, const QString& symbol, const std::array<double, 4>& figures)
{
    if (QString why = SymbolFormProblem(symbol); !why.isEmpty())
        return {Kind::Refused, why};
    try {
        dao::Database db = dao::Database::open(App::MarketFile());
        dao::Recordset listed = db.openSnapshot(MarketSchema::kStocksTable);
        if (StockList::Walk(listed, symbol, [] { return false; }))
            return {Kind::Unchanged, QCoreApplication::translate("Assets", "This stock already exist in your game!")};
        listed.close();
        if (QString why = SymbolProblem(db, symbol); !why.isEmpty())
            return {Kind::Refused, why};
        list(db, name, symbol, figures);
    } catch (const std::exception& e) {
        return {Kind::Failed,
            Ui::Failure(
                QCoreApplication::translate("Assets", "The stock %1 could not be added; the market is as it was")
                    .arg(symbol),
                e)};
    }
    return {};
}

namespace {
/// The field a figure is stored in.
const QString& fieldOf(Figure f)
{
    using namespace MarketSchema;
    switch (f) {
    case Figure::Price:
        return kPriceField;
    case Figure::Min:
        return kMinField;
    case Figure::Max:
        return kMaxField;
    case Figure::Volume:
        break;
    }
    return kVolumeField;
}

/// A correction's value as its field stores it; an empty box over a Null
/// field leaves it Null.
dao::Value valueOf(const Correction& c, const dao::Value& stored, dao::FieldType type)
{
    if (c.typed.isEmpty() && stored.isNull())
        return stored;
    return dao::convertForField(ReadFigure(c.figure, c.typed).value_or(0), type);
}

bool numericallyEqual(const dao::Value& a, const dao::Value& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    return a.toDouble() == b.toDouble();
}

/// Stores the corrections on the row the recordset stands on, the price
/// last; a new price beyond the day's range moves it. True when the price
/// itself is unchanged.
bool correct(dao::Database& db, dao::Recordset& rs, const std::vector<Correction>& corrections)
{
    auto store = [&](const QString& field, const dao::Value& v) {
        rs.edit();
        rs.setField(field, v);
        rs.update();
    };
    const Correction* price = nullptr;
    for (const Correction& c : corrections) {
        if (c.figure == Figure::Price) {
            price = &c;
            continue;
        }
        if (!c.touched)
            continue;
        const QString& field = fieldOf(c.figure);
        const dao::Value stored = rs.field(field);
        const dao::Value typed = valueOf(c, stored, db.fieldType(MarketSchema::kStocksTable, field));
        if (!numericallyEqual(stored, typed))
            store(field, typed);
    }
    using namespace MarketSchema;
    const dao::Value stored = rs.field(kPriceField);
    const dao::Value typed =
        price && price->touched ? valueOf(*price, stored, db.fieldType(kStocksTable, kPriceField)) : stored;
    if (numericallyEqual(stored, typed))
        return true;
    store(kPriceField, typed);
    const dao::Value max = rs.field(kMaxField), min = rs.field(kMinField);
    if (!typed.isNull() && !max.isNull() && typed.toDouble() > max.toDouble())
        store(kMaxField, typed);
    if (!typed.isNull() && !min.isNull() && typed.toDouble() < min.toDouble())
        store(kMinField, typed);
    return false;
}
} // namespace

Outcome CorrectStock(const QString& symbol, const std::vector<Correction>& corrections)
{
    bool unchanged = false;
    try {
        dao::Database db = dao::Database::open(App::MarketFile());
        // The corrections of one Enter are stored together.
        dao::Transaction tx = db.beginTransaction();
        dao::Recordset rs = db.openTable(MarketSchema::kStocksTable);
        unchanged = !StockList::Walk(rs, symbol, [] { return false; }) || correct(db, rs, corrections);
        rs.close();
        tx.commit();
    } catch (const std::exception& e) {
        return {Kind::Failed,
            Ui::Failure(
                QCoreApplication::translate("Assets", "The stock could not be changed; the market is as it was"), e)};
    }
    // Said once the change is stored, so that no write waits on the user.
    if (unchanged)
        return {Kind::Unchanged, QCoreApplication::translate("Assets", "No changes were made!")};
    return {};
}

} // namespace Assets
