#include "Form13.h"
#include "data/GameReport.h"
#include "data/Holdings.h"
#include "game/Module1.h"
#include "ui/Numbers.h"
#include <QCoreApplication>
#include <array>

namespace Module1 {

void RefreshPortfolio(const Game* game)
{
    Form13* f = Forms::IfLoadedElseLoad<Form13>();
    if (!f || !game)
        return;
    // Read first, so that a failure leaves the last portfolio on screen.
    std::vector<Holdings::Holding> held;
    Holdings::Prices prices;
    if (!GameReport::Read(*f, *game, QCoreApplication::translate("Reports", "The portfolio cannot be worked out"),
            [&](dao::Database& file) {
                held = Holdings::Read(file);
                if (std::any_of(held.begin(), held.end(), [](const auto& h) { return Holdings::Units(h) != 0; }))
                    prices = Holdings::CurrentPrices(held);
            }))
        return;

    std::vector<std::array<QString, 4>> listed;
    for (const Holdings::Holding& h : held) {
        const int64_t units = Holdings::Units(h);
        if (units != 0) {
            // A symbol no longer listed stays in the list, without a price.
            const std::optional<dao::Currency> price = Holdings::ListedPrice(prices, h.symbol);
            const std::optional<dao::Currency> value = Holdings::ValueAt(prices, h.symbol, units);
            listed.push_back({h.symbol, Numbers::PlainText(h.units), price ? Numbers::PlainText(*price) : QString(),
                value ? Numbers::PlainText(*value) : QString()});
        }
    }
    // One row per group, skipped ones included, the listed ones packed from the
    // top; each cell written once, so that an unchanged one is left alone.
    const int rows = listed.empty() ? 1 : int(held.size());
    if (listed.empty())
        listed.push_back({QCoreApplication::translate("Reports", "No shares")});
    FlexGrid& g = *f->MSFlexGrid1;
    g.SetRows(rows);
    {
        FlexGrid::Batch batch(g);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < g.Cols(); ++c)
                g.SetTextMatrix(r, c, r < int(listed.size()) && c < 4 ? listed[size_t(r)][size_t(c)] : QString());
    }
    g.SetRow(int(listed.size()) - 1);
    g.SetCol(0);
    f->FitGrid();
    if (f->isVisible())
        f->update();
}

} // namespace Module1
