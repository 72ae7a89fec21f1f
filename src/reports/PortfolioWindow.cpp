#include "PortfolioWindow.h"
#include "data/GameReport.h"
#include "data/Holdings.h"
#include "game/FollowGame.h"
#include "game/Session.h"
#include "ui/Numbers.h"
#include <array>

PortfolioWindow::PortfolioWindow() : ReportWindow(tr("Portfolio"), MakeGrid(2, 4), 8)
{
    grid->SetColumnNames({tr("Symbol"), tr("Units"), tr("Price"), tr("Value")});
    FollowGame(this, {Change::Move, Change::Trade}, [this](const Game& game, Change) { Refresh(game); });
}

void PortfolioWindow::Load()
{
    if (const Game* game = Session::Current().CurrentGame())
        Refresh(*game);
}

void PortfolioWindow::Refresh(const Game& game)
{
    // Read first, so that a failure leaves the last portfolio on screen.
    std::vector<Holdings::Holding> held;
    Holdings::Prices prices;
    if (!GameReport::Read(*this, game, tr("The portfolio cannot be worked out"), [&](dao::Database& file) {
            held = Holdings::Read(file, &game);
            if (std::any_of(held.begin(), held.end(), [](const auto& h) { return Holdings::Units(h) != 0; }))
                prices = Holdings::CurrentPrices(held, &game);
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
        listed.push_back({tr("No shares")});
    ReportGrid& g = *grid;
    g.SetRows(rows);
    {
        ReportGrid::Batch batch(g);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < g.Cols(); ++c)
                g.SetCellText(r, c, r < int(listed.size()) && c < 4 ? listed[size_t(r)][size_t(c)] : QString());
    }
    g.SetRow(int(listed.size()) - 1);
    g.SetCol(0);
    FitGrid();
}
