#include "frmNews.h"
#include "News.h"
#include "dao/Dao.h"
#include "game/FollowGame.h"
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
}

void frmNews::formLoad() { Refresh(); }

void frmNews::Refresh()
{
    std::vector<Market::News::Line> lines;
    try {
        dao::Database market = dao::Database::open(App::MarketFile());
        lines = Market::News::Read(market);
    } catch (const std::exception& e) {
        ReportFailure(tr("The news cannot be read from the market"), e);
        return;
    }
    SetNote(lines.empty() ? tr("No news yet. Turn it on in Tools > Market news.") : QString());
    FlexGrid& g = *MSFlexGrid1;
    g.SetRows(int(lines.size()) + 1);
    {
        FlexGrid::Batch batch(g);
        for (size_t i = 0; i < lines.size(); ++i) {
            const QDateTime& t = lines[i].time;
            g.SetTextMatrix(int(i) + 1, 0, t.isValid() ? Market::ClockText(t) : QString());
            g.SetTextMatrix(int(i) + 1, 1, lines[i].headline);
        }
    }
    FitGrid();
}
