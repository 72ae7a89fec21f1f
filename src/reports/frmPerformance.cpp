#include "frmPerformance.h"
#include "Gains.h"
#include "WorthChart.h"
#include "data/GameReport.h"
#include "data/WorthLog.h"
#include "game/FollowGame.h"
#include "game/Module1.h"
#include "game/Session.h"
#include "ui/Numbers.h"
#include "ui/Twips.h"
#include <QCoreApplication>
#include <QVBoxLayout>
#include <array>

namespace {
/// The grid's column titles, in the player's language as the window is made.
QStringList columns()
{
    return {QCoreApplication::translate("frmPerformance", "Symbol"),
        QCoreApplication::translate("frmPerformance", "Units"),
        QCoreApplication::translate("frmPerformance", "Average paid"),
        QCoreApplication::translate("frmPerformance", "Price"), QCoreApplication::translate("frmPerformance", "Value"),
        QCoreApplication::translate("frmPerformance", "Gain"),
        QCoreApplication::translate("frmPerformance", "Realised")};
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

frmPerformance::frmPerformance()
    : ReportForm(tr("Performance"), MakeGrid(1, 7, Twips::DesignFont(QStringLiteral("MS Sans Serif"), 8.25), 1), 9000,
          7200, 17)
{
    const QStringList titles = columns();
    for (int c = 0; c < int(titles.size()); ++c)
        MSFlexGrid1->SetTextMatrix(0, c, titles[c]);
    MSFlexGrid1->SetColumnNames(titles);
    chtWorth = new WorthChart(this);
    chtWorth->setMinimumHeight(Twips::ToPixels(3600));
    box->insertWidget(0, chtWorth, 2);
    setTabOrder(chtWorth, MSFlexGrid1); // read top down: the chart, then the gains
    FollowGame(this, [this](const Game& game) {
        chtWorth->SetRows({}, game.StartingBalance); // read whole: none of its rows are the last game's
        Module1::RefreshPerformance(&game);
    });
}

void frmPerformance::formLoad() { Module1::RefreshPerformance(Session::Current().CurrentGame()); }

namespace Module1 {

void RefreshPerformance(const Game* game)
{
    frmPerformance* f = Forms::IfLoaded<frmPerformance>();
    if (!f || !game)
        return;
    std::vector<WorthLog::Row> rows;
    bool changed = false, grew = false;
    std::vector<Gains::Stock> stocks;
    Holdings::Prices prices;
    if (!GameReport::Read(*f, *game,
            QCoreApplication::translate("frmPerformance", "The performance cannot be worked out"),
            [&](dao::Database& file) {
                dao::Transaction view = file.beginRead();
                // Only the rows a tick added are read: the series grows by one a tick.
                const int shown = int(f->chtWorth->Rows().size()), count = WorthLog::Count(file);
                changed = count != shown;
                grew = shown && count > shown;
                if (changed)
                    rows = WorthLog::Read(file, grew ? shown : 0);
                stocks = Gains::Apply(Gains::ReadLog(file));
                // The units held are the game's holdings, as every window has them.
                const std::vector<Holdings::Holding> held = Holdings::Read(file);
                for (Gains::Stock& s : stocks)
                    if (const Holdings::Holding* h = Holdings::Find(held, s.symbol))
                        s.units = Holdings::Units(*h);
                if (!held.empty())
                    prices = Holdings::CurrentPrices(held);
            }))
        return;
    f->SetNote(WorthLog::LastFailure(*game));
    if (changed && grew)
        f->chtWorth->AddRows(std::move(rows));
    else if (changed)
        f->chtWorth->SetRows(std::move(rows), game->StartingBalance);

    Line total{QCoreApplication::translate("frmPerformance", "Total")};
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
    FlexGrid& g = *f->MSFlexGrid1;
    g.SetRows(int(lines.size()) + 1);
    {
        FlexGrid::Batch batch(g);
        for (size_t r = 0; r < lines.size(); ++r)
            for (int c = 0; c < g.Cols(); ++c)
                g.SetTextMatrix(int(r) + 1, c, lines[r][size_t(c)]);
    }
    f->FitGrid();
}

} // namespace Module1
