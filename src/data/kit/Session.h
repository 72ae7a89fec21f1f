#pragma once
// The game: whether one is open, whose it is, its file and its clock. Only the
// session changes them, and it announces each change; the main window's
// menus, toolbar, timers and labels follow the announcements.
#include "GameClock.h"
#include <QObject>

class Session : public QObject {
    Q_OBJECT
public:
    /// The program's one session.
    static Session& Current();

    /// Whether a game is open. Its player and file are Module1's PlayerName
    /// and GameFileName, which only the session writes.
    bool IsOpen() const { return open_; }

    /// A game whose file exists takes over: the player's and the file's names,
    /// and a clock that starts a new trading day, unpaused.
    void Open(const QString& player, const QString& fileName);
    /// No game: the clock and the market stop. The player's name stays.
    void Close();

    /// The game's clock: its time, pause and speed, which hold for the run.
    GameClock& Clock() { return clock_; }

    /// Back to the state after start-up, with no one listening; for tests.
    void Reset();

signals:
    void gameChanged(bool open);

private:
    bool open_ = false;
    GameClock clock_;
};
