#include "ChartReading.h"
#include "ui/Numbers.h"
#include "ui/ReadableChart.h"
#include <QCoreApplication>
#include <algorithm>

namespace Market {

std::vector<int> PricedSlots(const ChartSlots& values)
{
    std::vector<int> out;
    for (int k = 1; k <= kChartSlots; ++k)
        if (values[size_t(k - 1)])
            out.push_back(k);
    return out;
}

QString ChartSummary(const QString& symbol, const ChartSlots& values)
{
    std::vector<double> prices;
    for (const auto& v : values)
        if (v)
            prices.push_back(*v);
    const int n = int(prices.size());
    return Charts::Summary(symbol,
        n ? QCoreApplication::translate("Chart", "%n price(s)", nullptr, n) : QCoreApplication::translate("Chart", "no prices"),
        prices);
}

QString SlotText(const ChartSlots& values, int slot)
{
    const std::vector<int> priced = PricedSlots(values);
    const auto at = std::find(priced.begin(), priced.end(), slot);
    if (at == priced.end())
        return QCoreApplication::translate("Chart", "Tick %1: no price").arg(slot);
    return QCoreApplication::translate("Chart", "Price %1 of %2: %3")
        .arg(at - priced.begin() + 1)
        .arg(priced.size())
        .arg(Numbers::PlainText(*values[size_t(slot - 1)]));
}

} // namespace Market
