#pragma once
#include "SavedGames.h"
#include "ui/Forms.h"

class QLabel;
class QListWidget;
class QPushButton;

/// Continue a game: the games that were never closed, to continue one, keep
/// them for later or delete one for good.
class frmContinue : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmContinue";
    frmContinue();
    /// Lists the game files anew; the first is chosen.
    void formLoad() override;

    QLabel* lblGames;
    QListWidget* lstGames;
    QPushButton* cmdContinue;
    QPushButton* cmdNotNow;
    QPushButton* cmdDelete;

    const std::vector<SavedGames::SavedGame>& Games() const { return games_; }

    void cmdContinue_Click();
    void cmdNotNow_Click();
    void cmdDelete_Click();

signals:
    /// A game was continued: the session holds it.
    void continued();

private:
    const SavedGames::SavedGame* chosen() const;
    std::vector<SavedGames::SavedGame> games_;
};
