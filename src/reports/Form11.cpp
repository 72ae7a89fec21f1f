#include "Form11.h"
#include "game/FollowGame.h"
#include "game/Module1.h"
#include "game/Session.h"
#include "ui/Controls.h"
#include "ui/Twips.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

Form11::Form11()
    : ReportForm(
          tr("Transactions"), MakeGrid(kRows, 5, Twips::DesignFont(QStringLiteral("MS Sans Serif"), 8.25)), 5400, 4200, 9)
{
    MSFlexGrid1->SetColumnNames({tr("Symbol"), tr("Price"), tr("Units"), tr("Amount"), tr("Type")});
    auto* top = new QHBoxLayout;
    Label2 = new QLabel(tr("Transactions"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setToolTip(tr("Number of transactions"));
    // Reached by Tab and read under its title, as the count a sighted player sees.
    Controls::MakeReadable(Label1);
    Label2->setBuddy(Label1);
    top->addWidget(Label2);
    top->addWidget(Label1, 1);
    box->insertLayout(0, top);
    FollowGame(this, [this](const Game& game) {
        // As a window opened on the game would be: none of the last game's lines left.
        Label1->clear();
        MSFlexGrid1->clearContents();
        MSFlexGrid1->SetRows(kRows);
        MSFlexGrid1->SetRow(0);
        MSFlexGrid1->SetCol(0);
        Module1::RefreshTransactions(&game);
    });
}

void Form11::formLoad() { Module1::RefreshTransactions(Session::Current().CurrentGame()); }
