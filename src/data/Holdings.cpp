#include "data/Holdings.h"
#include "app/kit/App.h"
#include "app/kit/Numbers.h"
#include "data/MarketSchema.h"

namespace Holdings {

std::vector<Holding> Read(dao::Database& game)
{
    dao::Recordset pos = game.openSnapshot(QStringLiteral("Position"));
    std::vector<Holding> out;
    if (pos.recordCount() == 0)
        return out;
    pos.moveLast();
    const int n = pos.recordCount();
    pos.moveFirst();
    out.reserve(size_t(n));
    for (int i = 0; i < n; ++i, pos.moveNext())
        out.push_back(
            {Numbers::PlainText(pos.field(QStringLiteral("Symbol"))), pos.field(QStringLiteral("Sum Of units"))});
    return out;
}

double Units(const Holding& h) { return h.units.isNull() ? 0 : h.units.toDouble(); }

QHash<QString, dao::Value> CurrentPrices(const std::vector<Holding>& held)
{
    // Only the held symbols' rows are read: a game holds a few of a market's thousand.
    QStringList wanted;
    for (const Holding& h : held)
        wanted << h.symbol;
    dao::Database market = dao::Database::open(App::MarketFile());
    const QString symbol = QStringLiteral("stocksymbol"), price = QStringLiteral("Stockcurrent Price");
    dao::Recordset rs = market.openSnapshotWhere(MarketSchema::kStocksTable, {symbol, price}, symbol, wanted);
    QHash<QString, dao::Value> prices;
    for (int k = 0, m = rs.recordCount(); k < m; ++k, rs.moveNext()) {
        const QString s = Numbers::PlainText(rs.field(symbol));
        if (!prices.contains(s))
            prices.insert(s, rs.field(price));
    }
    return prices;
}

} // namespace Holdings
