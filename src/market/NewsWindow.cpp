#include "NewsWindow.h"
#include "News.h"
#include "dao/Dao.h"
#include "game/FollowGame.h"
#include "game/Session.h"
#include "market/Clock.h"
#include "ui/App.h"

NewsWindow::NewsWindow() : ReportWindow(tr("News"), MakeGrid(1, 2, 1), 20)
{
    const QStringList titles = {tr("Time"), tr("Headline")};
    for (int c = 0; c < int(titles.size()); ++c)
        grid->SetCellText(0, c, titles[c]);
    grid->SetColumnNames(titles);
    // Only what a move brought is read; another game's list is read whole.
    FollowGame(this, {Change::Move}, [this](const Game&, Change why) { why == Change::Game ? Refresh() : AddNew(); });
    connect(&Session::Current(), &Session::newsChanged, this, &NewsWindow::AddNew); // its note follows the choice
}

void NewsWindow::Load() { Refresh(); }

void NewsWindow::Refresh()
{
    grid->SetRows(1);
    lastShown_ = 0;
    AddNew();
}

void NewsWindow::AddNew()
{
    std::vector<Market::News::Line> lines;
    try {
        dao::Database market = dao::Database::open(App::MarketFile());
        lines = Market::News::Read(market, lastShown_);
    } catch (const std::exception& e) {
        ReportFailure(tr("The news cannot be read from the market"), e);
        return;
    }
    ReportGrid& g = *grid;
    for (const Market::News::Line& line : lines) { // the newest on top
        g.InsertRow(0);
        g.SetCellText(1, 0, line.time.isValid() ? Market::ClockText(line.time) : QString());
        g.SetCellText(1, 1, line.headline);
        lastShown_ = line.at;
    }
    const Game* game = Session::Current().CurrentGame();
    SetNote(g.Rows() > 1          ? QString()
            : game && game->News() ? tr("No headline yet")
                                   : tr("No news yet. Turn it on in Tools > Market news."));
    FitGrid();
}
