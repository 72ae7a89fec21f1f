#include "Gains.h"
#include "data/kit/Numbers.h"
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
    return units > 0 ? std::optional(share(cost, 1, units)) : std::nullopt;
}

std::vector<Stock> Apply(const std::vector<Trade>& log)
{
    QMap<QString, Stock> stocks;
    for (const Trade& t : log) {
        Stock& s = stocks[t.symbol];
        s.symbol = t.symbol;
        if (t.units >= 0) {
            s.cost = s.cost + t.price * t.units;
            s.units += t.units;
            continue;
        }
        // Units sold beyond those held have no cost to take out, nor a gain.
        const int64_t sold = std::min(-t.units, std::max<int64_t>(s.units, 0));
        if (sold > 0) {
            const dao::Currency out = share(s.cost, sold, s.units);
            s.realised = s.realised + t.price * sold - out;
            s.cost = s.cost - out;
        }
        s.units += t.units;
    }
    return {stocks.begin(), stocks.end()};
}

std::vector<Trade> ReadLog(dao::Database& game)
{
    std::vector<Trade> out;
    dao::Recordset rs = game.openSnapshot(QStringLiteral("Traderesult"));
    for (int i = 0, n = rs.recordCount(); i < n; ++i, rs.moveNext()) {
        const dao::Value price = rs.field(QStringLiteral("Price")), units = rs.field(QStringLiteral("Units"));
        out.push_back({Numbers::PlainText(rs.field(QStringLiteral("Symbol"))),
            price.isNull() ? dao::Currency() : price.toCurrency(),
            units.isNull() ? 0 : std::llround(units.toDouble())});
    }
    return out;
}

} // namespace Gains
