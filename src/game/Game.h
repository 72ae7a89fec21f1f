#pragma once
// One open game: whose it is, its file, the balance it started with and its
// clock. The session makes it; whatever needs the game is handed it.
#include "dao/Dao.h"
#include <QDateTime>
#include <QString>
#include <any>
#include <optional>
#include <typeindex>
#include <unordered_map>

class GameClock;

class Game {
public:
    /// What its file says of a game, as the session opens it.
    struct Record {
        QString player;
        /// The file's name in the application folder, as "<player>.sav".
        QString fileName;
        /// Told apart from every other game, whatever its player and its day.
        QString id;
        dao::Currency startingBalance;
        bool news = false;
        /// The time of its last worth row: a continued game goes on after it.
        std::optional<QDateTime> lastPlayed;
    };

    /// A game whose file, relative to the application folder, exists.
    Game(const Record& r, GameClock& clock);

    const QString PlayerName;
    /// The file's name in the application folder, as "<player>.sav".
    const QString GameFileName;
    /// The game's own identity, kept in its file from New on.
    const QString Id;
    /// What the cash counts from: 500000 for every game New makes.
    const dao::Currency StartingBalance;
    /// Whether its market has news, as its file keeps it; the session changes it.
    bool News() const { return news_; }

    /// The game file's full path.
    QString Path() const;
    /// The game file, opened: a connection closed as it goes out of scope.
    dao::Database Open() const;
    GameClock& Clock() const { return clock_; }

    /// What a part of the program remembers of this game between events (a
    /// cache, a failure already told): made on first use, dropped with the game.
    template <class T> T& Memory() const
    {
        std::any& slot = memory_[std::type_index(typeid(T))];
        if (!slot.has_value())
            slot.emplace<T>();
        return std::any_cast<T&>(slot);
    }

private:
    friend class Session;
    GameClock& clock_;
    bool news_ = false;
    mutable std::unordered_map<std::type_index, std::any> memory_;
};
