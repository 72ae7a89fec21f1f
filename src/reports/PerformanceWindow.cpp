#include "PerformanceWindow.h"
#include "Gains.h"
#include "WorthChart.h"
#include "data/GameReport.h"
#include "data/WorthLog.h"
#include "game/FollowGame.h"
#include "game/Session.h"
#include "ui/Numbers.h"
#include <QVBoxLayout>
#include <array>

namespace {
/// The grid's column titles, in the player's language as the window is made.
QStringList columns()
{
    return {PerformanceWindow::tr("Symbol"), PerformanceWindow::tr("Units"), PerformanceWindow::tr("Average paid"),
        PerformanceWindow::tr("Price"), PerformanceWindow::tr("Value"), PerformanceWindow::tr("Gain"),
        PerformanceWindow::tr("Realised")};
}
using Line = std::array<QString, 7>;

QString text(const std::optional<dao::Currency>& c) { return c ? Numbers::PlainText(*c) : QString(); }

/// A stock's line; its value and gain are added to the totals where it has them.
Line stockLine(const Gains::Stock& s, const Holdings::Prices& prices, std::optional<dao::Currency>& value,
    std::optional<dao::Currency>& gain)
{
    const std::optional<dao::Currency> price = Holdings::ListedPrice(prices, s.symbol);
    std::optional<dao::Currency> v, g;
    if (s.units != 0 && price) {
        v = Holdings::ValueAt(prices, s.symbol, s.units);
        g = *v - s.cost;
        value = value.value_or(dao::Currency()) + *v;
        gain = gain.value_or(dao::Currency()) + *g;
    }
    return {s.symbol, QString::number(s.units), text(s.AveragePaid()), text(price), text(v), text(g),
        Numbers::PlainText(s.realised)};
}
} // namespace

PerformanceWindow::PerformanceWindow() : ReportWindow(tr("Performance"), MakeGrid(1, 7, 1), 17)
{
    const QStringList titles = columns();
    for (int c = 0; c < int(titles.size()); ++c)
        grid->SetCellText(0, c, titles[c]);
    grid->SetColumnNames(titles);
    worthChart = new WorthChart(this);
    worthChart->setMinimumHeight(fontMetrics().height() * 16);
    box->insertWidget(0, worthChart, 2);
    setTabOrder(worthChart, grid); // read top down: the chart, then the gains
    FollowGame(this, {Change::Move, Change::Trade}, [this](const Game& game, Change why) {
        if (why == Change::Game)
            worthChart->SetRows({}, game.StartingBalance); // read whole: none of its rows are the last game's
        Refresh(game);
    });
}

void PerformanceWindow::Load()
{
    if (const Game* game = Session::Current().CurrentGame())
        Refresh(*game);
}

void PerformanceWindow::Refresh(const Game& game)
{
    std::vector<WorthLog::Row> rows;
    bool changed = false, grew = false;
    std::vector<Gains::Stock> stocks;
    Holdings::Prices prices;
    if (!GameReport::Read(*this, game, tr("The performance cannot be worked out"),
            [&](dao::Database& file) {
                dao::Transaction view = file.beginRead();
                // Only the rows a tick added are read: the series grows by one a tick.
                const int shown = int(worthChart->Rows().size()), count = WorthLog::Count(file);
                changed = count != shown;
                grew = shown && count > shown;
                if (changed)
                    rows = WorthLog::Read(file, grew ? shown : 0);
                stocks = Gains::Apply(Gains::ReadLog(file));
                // The units held are the game's holdings, as every window has them.
                const std::vector<Holdings::Holding> held = Holdings::Read(file, &game);
                for (Gains::Stock& s : stocks)
                    if (const Holdings::Holding* h = Holdings::Find(held, s.symbol))
                        s.units = Holdings::Units(*h);
                if (!held.empty())
                    prices = Holdings::CurrentPrices(held, &game);
            }))
        return;
    SetNote(WorthLog::LastFailure(game));
    if (changed && grew)
        worthChart->AddRows(std::move(rows));
    else if (changed)
        worthChart->SetRows(std::move(rows), game.StartingBalance);

    Line total{tr("Total")};
    std::optional<dao::Currency> value, gain;
    dao::Currency realised;
    std::vector<Line> lines;
    for (const Gains::Stock& s : stocks) {
        lines.push_back(stockLine(s, prices, value, gain));
        realised = realised + s.realised;
    }
    total[4] = text(value);
    total[5] = text(gain);
    total[6] = Numbers::PlainText(realised);
    lines.push_back(total);
    ReportGrid& g = *grid;
    g.SetRows(int(lines.size()) + 1);
    {
        ReportGrid::Batch batch(g);
        for (size_t r = 0; r < lines.size(); ++r)
            for (int c = 0; c < g.Cols(); ++c)
                g.SetCellText(int(r) + 1, c, lines[r][size_t(c)]);
    }
    FitGrid();
}
