#pragma once
// The open game, if any, and the clock it runs on. Only the session opens and
// closes a game, and it announces each change; the main window's menus,
// toolbar, timers and labels follow the announcements.
#include "Game.h"
#include "GameClock.h"
#include <QObject>
#include <memory>

class Session : public QObject {
    Q_OBJECT
public:
    /// The program's one session.
    static Session& Current();

    /// The open game; none while no game is open.
    const Game* CurrentGame() const { return game_.get(); }
    bool IsOpen() const { return game_ != nullptr; }

    /// A game whose file exists takes over, with a clock that starts a new
    /// trading day, unpaused.
    void Open(const Game::Record& record);
    /// The open game's market has news or not, as its file now keeps it.
    void SetNews(bool on);
    /// No game: the clock and the market stop.
    void Close();

    /// The game's clock: its time, pause and speed, which hold for the run.
    GameClock& Clock() { return clock_; }

    /// Back to the state after start-up, with no one listening; for tests.
    void Reset();

signals:
    /// The game now open, or none.
    void gameChanged(const Game* game);
    void newsChanged(bool on);
    // What the shell announces, once what caused it is stored; every window
    // that shows it listens (FollowGame).
    /// The market moved, and what it did for the player is stored.
    void moved();
    /// The game's trades changed: at the desk, an order filled, a margin call.
    void traded();
    /// The game's orders changed: placed, cancelled, filled or noted.
    void ordersChanged();

private:
    std::unique_ptr<Game> game_;
    GameClock clock_;
};
