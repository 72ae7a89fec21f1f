#include "data/Holdings.h"
#include "data/GameSchema.h"
#include "data/MarketSchema.h"
#include "data/kit/App.h"
#include "data/kit/Module1.h"
#include "data/kit/Numbers.h"
#include <cmath>
#include <optional>

namespace Holdings {

namespace {
struct Shared {
    int readings = 0;
    std::optional<std::vector<Holding>> held;
    QStringList pricedSymbols;
    std::optional<QHash<QString, dao::Value>> prices;
};
Shared& shared()
{
    static Shared s;
    return s;
}
} // namespace

SharedReading::SharedReading() { ++shared().readings; }

SharedReading::~SharedReading()
{
    if (--shared().readings == 0)
        shared() = Shared{};
}

void SharedReading::Changed()
{
    Shared& s = shared();
    s = Shared{s.readings};
}

dao::Currency Cash(dao::Database& game, dao::Value* sumOfResult)
{
    const dao::Value sum = game.openSnapshot(GameSchema::kResultQuery).field(GameSchema::kSumOfResultField);
    if (sumOfResult)
        *sumOfResult = sum;
    const dao::Currency starting =
        Module1::StartingBalance.isNull() ? dao::Currency() : Module1::StartingBalance.toCurrency();
    return sum.isNull() ? starting : sum.toCurrency() + starting;
}

std::vector<Holding> Read(dao::Database& game)
{
    Shared& memo = shared();
    if (memo.readings && memo.held)
        return *memo.held;
    dao::Recordset pos = game.openSnapshot(GameSchema::kPositionQuery);
    std::vector<Holding> out;
    pos.moveLast();
    const int n = pos.recordCount();
    pos.moveFirst();
    out.reserve(size_t(n));
    for (int i = 0; i < n; ++i, pos.moveNext())
        out.push_back(
            {Numbers::PlainText(pos.field(GameSchema::kSymbolField)), pos.field(GameSchema::kSumOfUnitsField)});
    if (memo.readings)
        memo.held = out;
    return out;
}

int64_t Units(const Holding& h) { return h.units.isNull() ? 0 : std::llround(h.units.toDouble()); }

const Holding* Find(const std::vector<Holding>& held, const QString& symbol)
{
    const auto it = std::find_if(held.begin(), held.end(), [&](const Holding& h) { return h.symbol == symbol; });
    return it == held.end() ? nullptr : &*it;
}

dao::Currency Value(const dao::Value& price, int64_t units) { return price.toCurrency() * units; }

Worth WorthOf(dao::Database& game)
{
    Worth w{Cash(game), std::nullopt, {}};
    const std::vector<Holding> held = Read(game);
    if (held.empty())
        return w;
    w.stocks = dao::Currency();
    std::optional<QHash<QString, dao::Value>> prices; // read once something is held
    for (const Holding& h : held) {
        const int64_t units = Units(h);
        if (units == 0)
            continue;
        if (!prices)
            prices = CurrentPrices(held);
        const auto it = prices->constFind(h.symbol);
        if (it == prices->constEnd() || it->isNull())
            w.unlisted << h.symbol;
        else
            *w.stocks = *w.stocks + Value(*it, units);
    }
    return w;
}

QHash<QString, dao::Value> CurrentPrices(const std::vector<Holding>& held)
{
    // Only the held symbols' rows are read: a game holds a few of a market's thousand.
    QStringList wanted;
    for (const Holding& h : held)
        wanted << h.symbol;
    Shared& memo = shared();
    if (memo.readings && memo.prices && memo.pricedSymbols == wanted)
        return *memo.prices;
    dao::Database market = dao::Database::open(App::MarketFile());
    const QString &symbol = MarketSchema::kSymbolField, &price = MarketSchema::kPriceField;
    dao::Recordset rs = market.openSnapshotWhere(MarketSchema::kStocksTable, {symbol, price}, symbol, wanted);
    QHash<QString, dao::Value> prices;
    for (int k = 0, m = rs.recordCount(); k < m; ++k, rs.moveNext()) {
        const QString s = Numbers::PlainText(rs.field(symbol));
        if (!prices.contains(s))
            prices.insert(s, rs.field(price));
    }
    if (memo.readings) {
        memo.pricedSymbols = wanted;
        memo.prices = prices;
    }
    return prices;
}

} // namespace Holdings
