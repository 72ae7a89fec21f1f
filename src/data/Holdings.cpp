#include "data/Holdings.h"
#include "data/GameSchema.h"
#include "data/MarketSchema.h"
#include "ui/App.h"
#include "ui/Numbers.h"
#include <cmath>
#include <optional>

namespace Holdings {

namespace {
/// What a shared reading keeps with the game while it lives.
struct Shared {
    int readings = 0;
    std::optional<std::vector<Holding>> held;
    QStringList pricedSymbols;
    std::optional<Prices> prices;
};
Shared* sharedOf(const Game* game)
{
    if (!game)
        return nullptr;
    Shared& s = game->Memory<Shared>();
    return s.readings > 0 ? &s : nullptr;
}
} // namespace

SharedReading::SharedReading(const Game& game) : game_(game) { ++game_.Memory<Shared>().readings; }

SharedReading::~SharedReading()
{
    Shared& s = game_.Memory<Shared>();
    if (--s.readings == 0)
        s = Shared{};
}

dao::Currency Cash(dao::Database& game, dao::Currency startingBalance)
{
    const dao::Value sum = game.openSnapshot(GameSchema::kResultQuery).field(GameSchema::kSumOfResultField);
    return sum.isNull() ? startingBalance : sum.toCurrency() + startingBalance;
}

std::vector<Holding> Read(dao::Database& file, const Game* sharing)
{
    Shared* memo = sharedOf(sharing);
    if (memo && memo->held)
        return *memo->held;
    dao::Recordset pos = file.openSnapshot(GameSchema::kPositionQuery);
    std::vector<Holding> out;
    pos.moveLast();
    const int n = pos.recordCount();
    pos.moveFirst();
    out.reserve(size_t(n));
    for (int i = 0; i < n; ++i, pos.moveNext())
        out.push_back(
            {Numbers::PlainText(pos.field(GameSchema::kSymbolField)), pos.field(GameSchema::kSumOfUnitsField)});
    if (memo)
        memo->held = out;
    return out;
}

int64_t Units(const Holding& h) { return h.units.isNull() ? 0 : std::llround(h.units.toDouble()); }

const Holding* Find(const std::vector<Holding>& held, const QString& symbol)
{
    const auto it = std::find_if(held.begin(), held.end(), [&](const Holding& h) { return h.symbol == symbol; });
    return it == held.end() ? nullptr : &*it;
}

std::optional<dao::Currency> ListedPrice(const Prices& prices, const QString& symbol)
{
    const auto it = prices.constFind(symbol);
    return it == prices.constEnd() || it->isNull() ? std::nullopt : std::optional(it->toCurrency());
}

std::optional<dao::Currency> ValueAt(const Prices& prices, const QString& symbol, int64_t units)
{
    const std::optional<dao::Currency> price = ListedPrice(prices, symbol);
    return price ? std::optional(*price * units) : std::nullopt;
}

Worth WorthAt(dao::Currency cash, const std::vector<Holding>& held, const Prices& prices)
{
    Worth w{cash, std::nullopt, {}};
    if (held.empty())
        return w;
    w.stocks = dao::Currency();
    for (const Holding& h : held) {
        const int64_t units = Units(h);
        if (units == 0)
            continue;
        if (const std::optional<dao::Currency> v = ValueAt(prices, h.symbol, units))
            *w.stocks = *w.stocks + *v;
        else
            w.unlisted << h.symbol;
    }
    return w;
}

Worth WorthOf(dao::Database& file, dao::Currency startingBalance, const Game* sharing)
{
    const dao::Currency cash = Cash(file, startingBalance);
    const std::vector<Holding> held = Read(file, sharing);
    // The market is read only once something is held.
    const bool holds = std::any_of(held.begin(), held.end(), [](const Holding& h) { return Units(h) != 0; });
    return WorthAt(cash, held, holds ? CurrentPrices(held, sharing) : Prices());
}

Prices CurrentPrices(const std::vector<Holding>& held, const Game* sharing)
{
    // Only the held symbols' rows are read: a game holds a few of a market's thousand.
    QStringList wanted;
    for (const Holding& h : held)
        wanted << h.symbol;
    Shared* memo = sharedOf(sharing);
    if (memo && memo->prices && memo->pricedSymbols == wanted)
        return *memo->prices;
    dao::Database market = dao::Database::open(App::MarketFile());
    const QString &symbol = MarketSchema::kSymbolField, &price = MarketSchema::kPriceField;
    dao::Recordset rs = market.openSnapshotWhere(MarketSchema::kStocksTable, {symbol, price}, symbol, wanted);
    Prices prices;
    for (int k = 0, m = rs.recordCount(); k < m; ++k, rs.moveNext()) {
        const QString s = Numbers::PlainText(rs.field(symbol));
        if (!prices.contains(s))
            prices.insert(s, rs.field(price));
    }
    if (memo) {
        memo->pricedSymbols = wanted;
        memo->prices = prices;
    }
    return prices;
}

} // namespace Holdings
