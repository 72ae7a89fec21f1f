#include "PositionWindow.h"
#include "data/GameReport.h"
#include "data/Holdings.h"
#include "game/FollowGame.h"
#include "game/Session.h"
#include "ui/MsgBox.h"
#include "ui/Numbers.h"

PositionWindow::PositionWindow() : ReportWindow(tr("Position"), MakeGrid(18, 2), 6)
{
    grid->SetColumnNames({tr("Symbol"), tr("Units")});
    // The units as of its opening: another game's are not its own.
    FollowGame(this, {}, [this](const Game&, Change) { Forms::Unload(this); });
}

void PositionWindow::Load()
{
    if (const Game* game = Session::Current().CurrentGame())
        Refresh(*game);
}

void PositionWindow::Refresh(const Game& game)
{
    ReportGrid& g = *grid;
    std::vector<Holdings::Holding> held;
    if (!GameReport::Read(*this, game, tr("The position cannot be read from the game file"),
            [&](dao::Database& file) { held = Holdings::Read(file); }))
        return;
    if (held.empty()) {
        Ui::MsgBox(tr("You don't have any stock"));
        g.SetRow(0);
        g.SetText(QStringLiteral("---"));
        g.SetCol(0);
        g.SetText(QStringLiteral("---"));
    } else {
        // Sold-out symbols are left out; the rest are packed from the top. More
        // symbols than the grid's rows make it grow.
        int row = 0;
        for (const Holdings::Holding& h : held) {
            if (Holdings::Units(h) == 0)
                continue;
            g.SetCellText(row, 0, h.symbol);
            g.SetCellText(row, 1, Numbers::PlainText(h.units));
            ++row;
        }
    }
    FitGrid();
}
