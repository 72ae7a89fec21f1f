#include "Form13.h"
#include "app/kit/App.h"
#include "app/kit/Module1.h"
#include "app/kit/Numbers.h"
#include "data/Holdings.h"

namespace Module1 {

void RefreshPortfolio()
{
    Form13* f = Forms::ToRefresh<Form13>();
    if (!f)
        return;
    if (GameFileName.isEmpty())
        return;
    // Read first, so that a failure leaves the last portfolio on screen.
    std::vector<Holdings::Holding> held;
    QHash<QString, dao::Value> prices;
    try {
        dao::Database game = dao::Database::open(App::GameFile());
        held = Holdings::Read(game);
        if (std::any_of(held.begin(), held.end(), [](const auto& h) { return Holdings::Units(h) != 0; }))
            prices = Holdings::CurrentPrices(held);
    } catch (const std::exception& e) {
        // Said in the window: the market tick refreshes it every ten seconds.
        f->ReportFailure(QStringLiteral("The portfolio cannot be worked out"), e);
        return;
    }
    f->SetNote({});

    FlexGrid& g = *f->MSFlexGrid1;
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c)
            g.SetTextMatrix(r, c, QString());
    if (!held.empty()) {
        // One row per group, skipped ones included; the listed ones are packed from the top.
        g.SetRows(int(held.size()));
        g.SetCol(0);
        int row = 0;
        for (const Holdings::Holding& h : held) {
            LastValue = h.units;
            const double units = Holdings::Units(h);
            if (units != 0) {
                g.SetRow(row);
                g.SetTextMatrix(row, 0, h.symbol);
                g.SetTextMatrix(row, 1, Numbers::PlainText(h.units));
                // A symbol no longer listed stays in the list, without a price.
                const auto it = prices.constFind(h.symbol);
                const bool priced = it != prices.constEnd() && !it->isNull();
                g.SetTextMatrix(row, 2, priced ? Numbers::PlainText(*it) : QString());
                g.SetTextMatrix(row, 3, priced ? Numbers::PlainText(it->toDouble() * units) : QString());
                ++row;
            }
            LastValue = dao::Null{};
        }
    }
    if (g.TextMatrix(0, 1).isEmpty()) {
        g.SetRow(0);
        g.SetCol(0);
        g.SetText(QStringLiteral("No shares"));
        g.SetRows(1);
    }
    f->FitGrid();
    if (f->isVisible())
        f->update();
}

} // namespace Module1
