#include "frmContinue.h"
#include "dao/Dao.h"
#include "game/Session.h"
#include "ui/Accessibility.h"
#include "ui/App.h"
#include "ui/MsgBox.h"
#include "ui/Twips.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmContinue::frmContinue()
{
    setWindowTitle(tr("Continue a game"));
    Accessibility::SetRole(this, QAccessible::Dialog); // it asks something: its text is read as it opens
    setProperty("helpContextID", 16); // its help topic
    Twips::SetBackground(this, Twips::kSilver);
    auto* box = new QVBoxLayout(this);
    lblGames = new QLabel(tr("&Games that were never closed"), this);
    lblGames->setObjectName(QStringLiteral("lblGames"));
    lstGames = new QListWidget(this);
    lstGames->setObjectName(QStringLiteral("lstGames"));
    lstGames->setWordWrap(true); // a line is read, and seen, whole
    lstGames->setSpacing(3);
    lstGames->setMinimumSize(Twips::ToPixels(7200), Twips::ToPixels(1800));
    lblGames->setBuddy(lstGames);
    lstGames->setAccessibleName(tr("Games that were never closed")); // a list takes no name from its label
    box->addWidget(lblGames);
    box->addWidget(lstGames, 1);
    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    cmdContinue = button("cmdContinue", tr("Continue"));
    cmdNotNow = button("cmdNotNow", tr("Not now"));
    buttons->addStretch(1);
    cmdDelete = button("cmdDelete", tr("Delete"));
    box->addLayout(buttons);
    cmdContinue->setDefault(true);
    SetKeyButtons(cmdContinue, cmdNotNow);
    setTabOrder(lstGames, cmdContinue);
    setTabOrder(cmdContinue, cmdNotNow);
    setTabOrder(cmdNotNow, cmdDelete);
    connect(cmdContinue, &QPushButton::clicked, this, &frmContinue::cmdContinue_Click);
    connect(cmdNotNow, &QPushButton::clicked, this, &frmContinue::cmdNotNow_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmContinue::cmdDelete_Click);
}

void frmContinue::formLoad()
{
    const Game* open = Session::Current().CurrentGame();
    games_ = SavedGames::List(open);
    lstGames->clear();
    for (const SavedGames::SavedGame& g : games_)
        lstGames->addItem(g.Line());
    lstGames->setCurrentRow(games_.empty() ? -1 : 0);
    lstGames->setFocus();
    // While a game is open, none other is continued.
    cmdContinue->setVisible(!open);
    cmdDelete->setEnabled(!games_.empty());
}

const SavedGames::SavedGame* frmContinue::chosen() const
{
    const int row = lstGames->currentRow();
    return row >= 0 && row < int(games_.size()) ? &games_[size_t(row)] : nullptr;
}

void frmContinue::cmdContinue_Click()
{
    const SavedGames::SavedGame* g = chosen();
    if (!g)
        return;
    if (const QString why = SavedGames::Continue(g->fileName); !why.isEmpty()) {
        Ui::MsgBox(why, Ui::Buttons::OK, Ui::Icon::Exclamation, windowTitle());
        return;
    }
    Forms::Unload(this);
    emit continued();
}

void frmContinue::cmdNotNow_Click() { Forms::Unload(this); }

void frmContinue::cmdDelete_Click()
{
    const SavedGames::SavedGame* g = chosen();
    if (!g)
        return;
    const QString file = g->fileName;
    if (Ui::MsgBox(tr("Delete the game of %1 for good?").arg(g->Name()), Ui::Buttons::YesNo, Ui::Icon::Question,
            windowTitle(), true) != Ui::Answer::Yes)
        return;
    if (!Ui::Attempt(
            tr("The game file \"%1\" could not be deleted").arg(file), [&] { dao::removeFile(App::FilePath(file)); }))
        return;
    const int row = lstGames->currentRow();
    formLoad();
    if (games_.empty())
        Forms::Unload(this); // nothing left to continue
    else
        lstGames->setCurrentRow(std::min(row, int(games_.size()) - 1));
}
