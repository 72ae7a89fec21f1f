#include "Gains.h"
#include "data/GameSchema.h"
#include "ui/Numbers.h"
#include <QMap>
#include <cmath>

namespace Gains {

namespace {
/// A share of an amount, to the ten-thousandth: amount × part / whole.
dao::Currency share(dao::Currency amount, int64_t part, int64_t whole)
{
    return dao::Currency::fromTicks(std::llround(static_cast<long double>(amount.ticks()) * part / whole));
}
} // namespace

std::optional<dao::Currency> Stock::AveragePaid() const
{
    return units != 0 ? std::optional(share(cost, 1, units)) : std::nullopt;
}

namespace {
/// One trade on a stock's position.
void apply(Stock& s, const Trade& t)
{
    const int64_t direction = t.units < 0 ? -1 : 1;
    // The units that close (part of) the position: those against its sign.
    const int64_t closed = s.units * t.units < 0 ? std::min(std::abs(t.units), std::abs(s.units)) : 0;
    if (closed > 0) {
        const dao::Currency out = share(s.cost, closed, std::abs(s.units)); // signed as the position
        // A long sold realises the price over its average, a short covered the average over the price.
        s.realised = s.realised + (s.units > 0 ? t.price * closed - out : -out - t.price * closed);
        s.cost = s.cost - out;
        s.units += direction * closed;
    }
    const int64_t opened = t.units - direction * closed;
    s.cost = s.cost + t.price * opened;
    s.units += opened;
}
} // namespace

std::vector<Stock> Apply(const std::vector<Trade>& log)
{
    QMap<QString, Stock> stocks;
    for (const Trade& t : log) {
        Stock& s = stocks[t.symbol];
        s.symbol = t.symbol;
        apply(s, t);
    }
    return {stocks.begin(), stocks.end()};
}

std::vector<Trade> ReadLog(dao::Database& game)
{
    std::vector<Trade> out;
    using namespace GameSchema;
    dao::Recordset rs = game.openSnapshot(kTradeTable);
    for (int i = 0, n = rs.recordCount(); i < n; ++i, rs.moveNext()) {
        const dao::Value price = rs.field(kPriceField), units = rs.field(kUnitsField);
        out.push_back(
            {Numbers::PlainText(rs.field(kSymbolField)), price.isNull() ? dao::Currency() : price.toCurrency(),
                units.isNull() ? 0 : std::llround(units.toDouble())});
    }
    return out;
}

} // namespace Gains
