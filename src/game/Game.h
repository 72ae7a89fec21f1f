#pragma once
// One open game: whose it is, its file, the balance it started with and its
// clock. The session makes it; whatever needs the game is handed it.
#include "dao/Dao.h"
#include <QString>

class GameClock;

class Game {
public:
    /// A game of a player whose file, relative to the application folder,
    /// exists; the starting balance is the one its file keeps.
    Game(QString playerName, QString gameFileName, dao::Currency startingBalance, GameClock& clock);

    const QString PlayerName;
    /// The file's name in the application folder, as "<player>.sav".
    const QString GameFileName;
    /// What the cash counts from: 500000 for every game New makes.
    const dao::Currency StartingBalance;
    /// Whether its market has news, as its file keeps it; the session changes it.
    bool News() const { return news_; }

    /// The game file's full path.
    QString Path() const;
    /// The game file, opened: a connection closed as it goes out of scope.
    dao::Database Open() const;
    GameClock& Clock() const { return clock_; }

private:
    friend class Session;
    GameClock& clock_;
    bool news_ = false;
};
