#include "Form5.h"
#include "game/FollowGame.h"
#include "game/Module1.h"
#include "game/Session.h"
#include "ui/Twips.h"

Form5::Form5()
    : ReportForm(tr("Position"), MakeGrid(18, 2, Twips::DesignFont(QStringLiteral("Times New Roman"), 8.25, true)),
          3600, 6300, 6)
{
    MSFlexGrid1->SetColumnNames({tr("Symbol"), tr("Units")});
    // The units as of its opening: another game's are not its own.
    FollowGame(this, [this](const Game&) { Forms::Unload(this); });
}

void Form5::formLoad() { Module1::RefreshPosition(Session::Current().CurrentGame()); }
