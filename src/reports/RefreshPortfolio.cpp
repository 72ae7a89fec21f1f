#include "Form13.h"
#include "data/Holdings.h"
#include "data/kit/App.h"
#include "data/kit/Module1.h"
#include "data/kit/Numbers.h"
#include "data/kit/Session.h"
#include <array>

namespace Module1 {

void RefreshPortfolio()
{
    Form13* f = Forms::IfLoadedElseLoad<Form13>();
    if (!f || !Session::Current().IsOpen())
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

    std::vector<std::array<QString, 4>> listed;
    for (const Holdings::Holding& h : held) {
        const int64_t units = Holdings::Units(h);
        if (units != 0) {
            // A symbol no longer listed stays in the list, without a price.
            const auto it = prices.constFind(h.symbol);
            const bool priced = it != prices.constEnd() && !it->isNull();
            listed.push_back({h.symbol, Numbers::PlainText(h.units), priced ? Numbers::PlainText(*it) : QString(),
                priced ? Numbers::PlainText(Holdings::Value(*it, units)) : QString()});
        }
    }
    // One row per group, skipped ones included, the listed ones packed from the
    // top; each cell written once, so that an unchanged one is left alone.
    const int rows = listed.empty() ? 1 : int(held.size());
    if (listed.empty())
        listed.push_back({QStringLiteral("No shares")});
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
