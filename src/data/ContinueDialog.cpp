#include "ContinueDialog.h"
#include "dao/Dao.h"
#include "game/Session.h"
#include "ui/Accessibility.h"
#include "ui/App.h"
#include "ui/MsgBox.h"
#include "ui/Look.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ContinueDialog::ContinueDialog()
{
    setWindowTitle(tr("Continue a game"));
    Accessibility::SetRole(this, QAccessible::Dialog); // it asks something: its text is read as it opens
    setProperty("helpContextID", 16); // its help topic
    Look::Silver(this);
    auto* box = new QVBoxLayout(this);
    gamesLabel = new QLabel(tr("&Games that were never closed"), this);
    gamesLabel->setObjectName(QStringLiteral("gamesLabel"));
    gamesList = new QListWidget(this);
    gamesList->setObjectName(QStringLiteral("gamesList"));
    gamesList->setWordWrap(true); // a line is read, and seen, whole
    gamesList->setSpacing(3);
    gamesList->setMinimumSize(fontMetrics().averageCharWidth() * 60, fontMetrics().height() * 6);
    gamesLabel->setBuddy(gamesList);
    gamesList->setAccessibleName(tr("Games that were never closed")); // a list takes no name from its label
    box->addWidget(gamesLabel);
    box->addWidget(gamesList, 1);
    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    continueButton = button("continueButton", tr("Continue"));
    notNowButton = button("notNowButton", tr("Not now"));
    buttons->addStretch(1);
    deleteButton = button("deleteButton", tr("Delete"));
    box->addLayout(buttons);
    continueButton->setDefault(true);
    SetKeyButtons(continueButton, notNowButton);
    setTabOrder(gamesList, continueButton);
    setTabOrder(continueButton, notNowButton);
    setTabOrder(notNowButton, deleteButton);
    connect(continueButton, &QPushButton::clicked, this, &ContinueDialog::Continue);
    connect(notNowButton, &QPushButton::clicked, this, &ContinueDialog::NotNow);
    connect(deleteButton, &QPushButton::clicked, this, &ContinueDialog::Delete);
}

void ContinueDialog::Load()
{
    const Game* open = Session::Current().CurrentGame();
    games_ = SavedGames::List(open);
    gamesList->clear();
    for (const SavedGames::SavedGame& g : games_)
        gamesList->addItem(g.Line());
    gamesList->setCurrentRow(games_.empty() ? -1 : 0);
    gamesList->setFocus();
    // While a game is open, none other is continued.
    continueButton->setVisible(!open);
    deleteButton->setEnabled(!games_.empty());
}

const SavedGames::SavedGame* ContinueDialog::chosen() const
{
    const int row = gamesList->currentRow();
    return row >= 0 && row < int(games_.size()) ? &games_[size_t(row)] : nullptr;
}

void ContinueDialog::Continue()
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

void ContinueDialog::NotNow() { Forms::Unload(this); }

void ContinueDialog::Delete()
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
    const int row = gamesList->currentRow();
    Load();
    if (games_.empty())
        Forms::Unload(this); // nothing left to continue
    else
        gamesList->setCurrentRow(std::min(row, int(games_.size()) - 1));
}
