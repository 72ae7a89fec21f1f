#pragma once
// The game: whether one is open, whose it is, its file and its clock. Only the
// session changes them, and it announces each change; the main window's
// menus, toolbar, timers and labels follow the announcements.
#include <QDateTime>
#include <QObject>
#include <optional>

class Session : public QObject {
    Q_OBJECT
public:
    /// The program's one session.
    static Session& Current();

    /// Whether a game is open. Its player and file are Module1's PlayerName
    /// and GameFileName, which only the session writes.
    bool IsOpen() const { return open_; }

    /// A game whose file exists takes over: the player's and the file's names,
    /// and a clock that starts a new trading day.
    void Open(const QString& player, const QString& fileName);
    /// No game: the clock and the market stop. The player's name stays.
    void Close();

    /// The date each game's clock starts on: the day the program started.
    QDate BaseDate() const { return baseDate_; }
    void SetBaseDate(const QDate& d) { baseDate_ = d; }
    /// The clock's time, which the labels show and the exchange's rules read;
    /// none while no game runs or before a game's first minute.
    const std::optional<QDateTime>& Clock() const { return clock_; }
    void SetClock(const std::optional<QDateTime>& t);

    /// Back to the state after start-up, with no one listening; for tests.
    void Reset();

signals:
    void gameChanged(bool open);
    void clockChanged(const std::optional<QDateTime>& t);

private:
    bool open_ = false;
    QDate baseDate_ = QDate::currentDate();
    std::optional<QDateTime> clock_;
};
