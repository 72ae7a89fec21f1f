#include "ChartReading.h"
#include "data/kit/Numbers.h"
#include <QLocale>
#include <Qt>
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
    if (prices.empty())
        return QStringLiteral("%1: no prices").arg(symbol);
    const auto [low, high] = std::minmax_element(prices.begin(), prices.end());
    const double first = prices.front(), last = prices.back();
    QString s =
        QStringLiteral("%1: %2 %3, first %4, last %5, lowest %6, highest %7")
            .arg(symbol)
            .arg(prices.size())
            .arg(prices.size() == 1 ? QStringLiteral("price") : QStringLiteral("prices"), Numbers::PlainText(first),
                Numbers::PlainText(last), Numbers::PlainText(*low), Numbers::PlainText(*high));
    if (first != 0) {
        const double change = (last - first) / first * 100;
        s += QStringLiteral(", change %1%2 %")
                 .arg(change > 0 ? QStringLiteral("+") : QString(), QLocale().toString(change, 'f', 2));
    }
    return s;
}

QString SlotText(const ChartSlots& values, int slot)
{
    const std::vector<int> priced = PricedSlots(values);
    const auto at = std::find(priced.begin(), priced.end(), slot);
    if (at == priced.end())
        return QStringLiteral("Tick %1: no price").arg(slot);
    return QStringLiteral("Price %1 of %2: %3")
        .arg(at - priced.begin() + 1)
        .arg(priced.size())
        .arg(Numbers::PlainText(*values[size_t(slot - 1)]));
}

std::optional<int> MovePlace(std::optional<int> place, int count, int key)
{
    if (count == 0)
        return std::nullopt;
    if (key == Qt::Key_Home || key == Qt::Key_End)
        return key == Qt::Key_Home ? 0 : count - 1;
    const std::pair<int, int> kSteps[] = {
        {Qt::Key_Left, -1}, {Qt::Key_Right, 1}, {Qt::Key_PageUp, -10}, {Qt::Key_PageDown, 10}};
    for (const auto& [k, step] : kSteps)
        if (k == key) // the first key starts at the end it moves away from
            return !place ? (step > 0 ? 0 : count - 1) : std::clamp(*place + step, 0, count - 1);
    return std::nullopt;
}

} // namespace Market
