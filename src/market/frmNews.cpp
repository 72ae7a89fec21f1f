#include "frmNews.h"
#include "News.h"
#include "dao/Dao.h"
#include "game/FollowGame.h"
#include "game/Session.h"
#include "market/Clock.h"
#include "ui/App.h"
#include "ui/Twips.h"

frmNews::frmNews()
    : ReportForm(
          tr("News"), MakeGrid(1, 2, Twips::DesignFont(QStringLiteral("MS Sans Serif"), 8.25), 1), 7200, 4800, 20)
{
    const QStringList titles = {tr("Time"), tr("Headline")};
    for (int c = 0; c < int(titles.size()); ++c)
        MSFlexGrid1->SetTextMatrix(0, c, titles[c]);
    MSFlexGrid1->SetColumnNames(titles);
    FollowGame(this, [this](const Game&) { Refresh(); });
    connect(&Session::Current(), &Session::newsChanged, this, &frmNews::AddNew); // its note follows the choice
}

void frmNews::formLoad() { Refresh(); }

void frmNews::Refresh()
{
    MSFlexGrid1->SetRows(1);
    lastShown_ = 0;
    AddNew();
}

void frmNews::AddNew()
{
    std::vector<Market::News::Line> lines;
    try {
        dao::Database market = dao::Database::open(App::MarketFile());
        lines = Market::News::Read(market, lastShown_);
    } catch (const std::exception& e) {
        ReportFailure(tr("The news cannot be read from the market"), e);
        return;
    }
    FlexGrid& g = *MSFlexGrid1;
    for (const Market::News::Line& line : lines) { // the newest on top
        g.insertRow(0);
        g.SetTextMatrix(1, 0, line.time.isValid() ? Market::ClockText(line.time) : QString());
        g.SetTextMatrix(1, 1, line.headline);
        lastShown_ = line.at;
    }
    const Game* game = Session::Current().CurrentGame();
    SetNote(g.Rows() > 1          ? QString()
            : game && game->News() ? tr("No headline yet")
                                   : tr("No news yet. Turn it on in Tools > Market news."));
    FitGrid();
}
