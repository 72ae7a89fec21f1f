#pragma once
#include "SavedGames.h"
#include "ui/Forms.h"

class QLabel;
class QListWidget;
class QPushButton;

/// Continue a game: the games that were never closed, to continue one, keep
/// them for later or delete one for good.
class ContinueDialog : public Form {
    Q_OBJECT
public:
    ContinueDialog();
    /// Lists the game files anew; the first is chosen.
    void Load() override;

    QLabel* gamesLabel;
    QListWidget* gamesList;
    QPushButton* continueButton;
    QPushButton* notNowButton;
    QPushButton* deleteButton;

    const std::vector<SavedGames::SavedGame>& Games() const { return games_; }

    void Continue();
    void NotNow();
    void Delete();

signals:
    /// A game was continued: the session holds it.
    void continued();

private:
    const SavedGames::SavedGame* chosen() const;
    std::vector<SavedGames::SavedGame> games_;
};
