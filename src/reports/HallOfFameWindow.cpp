#include "HallOfFameWindow.h"
#include "data/HallOfFame.h"
#include "ui/App.h"
#include "ui/Numbers.h"
#include <QLocale>

namespace {
QString percent(double v) { return QLocale().toString(v, 'f', 2) + QStringLiteral(" %"); }
} // namespace

HallOfFameWindow::HallOfFameWindow()
    : ReportWindow(tr("Hall of fame"), MakeGrid(1, 9, 1), 21)
{
    const QStringList titles = {tr("Rank"), tr("Player"), tr("Days"), tr("Trades"), tr("Worth"), tr("Return"),
        tr("Market"), tr("Beat by"), tr("News")};
    for (int c = 0; c < int(titles.size()); ++c)
        grid->SetCellText(0, c, titles[c]);
    grid->SetColumnNames(titles);
}

void HallOfFameWindow::Load() { Refresh(); }

void HallOfFameWindow::Refresh()
{
    std::vector<HallOfFame::Entry> best;
    try {
        dao::Database market = dao::Database::open(App::MarketFile());
        best = HallOfFame::Best(market);
    } catch (const std::exception& e) {
        ReportFailure(tr("The hall of fame cannot be read from the market"), e);
        return;
    }
    SetNote(best.empty() ? tr("No game has ended yet. A game that made a trade enters when it is closed.") : QString());
    ReportGrid& g = *grid;
    g.SetRows(int(best.size()) + 1);
    {
        ReportGrid::Batch batch(g);
        for (size_t i = 0; i < best.size(); ++i) {
            const HallOfFame::Entry& e = best[i];
            const QString line[] = {QString::number(i + 1), e.player, QString::number(e.days),
                QString::number(e.trades), Numbers::PlainText(e.worth), percent(e.gain), percent(e.marketGain),
                QLocale().toString(e.beatBy, 'f', 2), e.news ? tr("Yes") : tr("No")};
            for (int c = 0; c < 9; ++c)
                g.SetCellText(int(i) + 1, c, line[c]);
        }
    }
    FitGrid();
}

void HallOfFameWindow::ShowPlace(int place)
{
    ReportGrid& g = *grid;
    if (place < 1 || place >= g.Rows())
        return;
    g.SetCurrentCell(place - 1, 1);
    g.setFocus();
}
