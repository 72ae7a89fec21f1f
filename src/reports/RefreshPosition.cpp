#include "Form5.h"
#include "data/GameReport.h"
#include "data/Holdings.h"
#include "game/Module1.h"
#include "ui/MsgBox.h"
#include "ui/Numbers.h"
#include <QCoreApplication>

namespace Module1 {

void RefreshPosition(const Game* game)
{
    if (!game)
        return;
    Form5& f = Forms::Get<Form5>();
    FlexGrid& g = *f.MSFlexGrid1;
    std::vector<Holdings::Holding> held;
    if (!GameReport::Read(f, *game,
            QCoreApplication::translate("Reports", "The position cannot be read from the game file"),
            [&](dao::Database& file) { held = Holdings::Read(file); }))
        return;
    if (held.empty()) {
        Ui::MsgBox(QCoreApplication::translate("Reports", "You don't have any stock"));
        g.SetRow(0);
        g.SetText(QStringLiteral("---"));
        g.SetCol(0);
        g.SetText(QStringLiteral("---"));
    } else {
        // Sold-out symbols are left out; the rest are packed from the top. More
        // symbols than the grid's rows make it grow.
        g.SetCol(0);
        int row = 0;
        for (const Holdings::Holding& h : held) {
            if (Holdings::Units(h) == 0)
                continue;
            g.SetRow(row);
            g.SetCol(0);
            g.SetText(h.symbol);
            g.SetCol(1);
            g.SetText(Numbers::PlainText(h.units));
            ++row;
        }
    }
    f.FitGrid();
}

} // namespace Module1
