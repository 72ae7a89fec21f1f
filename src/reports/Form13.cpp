#include "Form13.h"
#include "game/FollowGame.h"
#include "game/Module1.h"
#include "game/Session.h"
#include "ui/Twips.h"

Form13::Form13()
    : ReportForm(
          tr("Portfolio"), MakeGrid(2, 4, Twips::DesignFont(QStringLiteral("MS Sans Serif"), 8.25)), 4800, 3000, 8)
{
    MSFlexGrid1->SetColumnNames({tr("Symbol"), tr("Units"), tr("Price"), tr("Value")});
    FollowGame(this, [](const Game& game) { Module1::RefreshPortfolio(&game); });
}

void Form13::formLoad()
{
    Module1::RefreshPortfolio(Session::Current().CurrentGame());
    update();
}
