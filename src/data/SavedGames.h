#pragma once
// Games that were never closed: their files are still in the application
// folder, with every trade, and can be continued.
#include "Holdings.h"
#include "game/Game.h"
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace SavedGames {

struct SavedGame {
    QString fileName; ///< as it is on disk
    QString player; ///< the "Name" of its "Player Information"
    dao::Currency startingBalance; ///< what its cash counts from
    int trades = 0;
    std::optional<Holdings::Worth> worth; ///< none where the market could not value it
    QDate changed; ///< the day the file last changed
    QString problem; ///< why it cannot be continued, in a player's words; empty when it can

    /// Its line in a list: whole, to be read as one.
    QString Line() const;
    /// Who it is told as: the player, with the file where its name is not the
    /// player's own; the file where there is no player to name.
    QString Name() const;
};

/// The game files (any ".sav", in any letter case) in the application folder,
/// by name, but for the open game's; each read, and only read.
std::vector<SavedGame> List(const ::Game* open);
SavedGame Read(const QString& fileName);

/// Hands the game to the session, as a new game would be; the problem that
/// stops it, with what to do, or empty when it is open.
QString Continue(const QString& fileName);

} // namespace SavedGames
