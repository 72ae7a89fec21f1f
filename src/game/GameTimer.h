#pragma once
#include <QObject>
#include <QTimer>
#include <optional>

class GameClock;

/// A timer of the game, with the two rules the program relies on: an interval
/// of 0 never fires, even when enabled; setting the state or interval it
/// already has leaves its countdown alone. It keeps the rhythm of the game's
/// clock: while the game is paused it stands with what was left of its
/// countdown, and at another speed its period is stretched or shortened by the
/// clock's one factor, what was left of the countdown with it.
class GameTimer : public QObject {
    Q_OBJECT
public:
    /// Paced by the given clock.
    explicit GameTimer(GameClock& clock, QObject* parent = nullptr, bool enabled = false, int interval = 0);
    ~GameTimer() override;

    bool enabled() const { return enabled_; }
    /// The period at normal speed.
    int interval() const { return interval_; }
    void setEnabled(bool on);
    void setInterval(int ms);
    /// Whether it counts down: enabled with a period, the game not paused.
    bool isRunning() const { return due_.has_value(); }
    /// The period at the clock's speed, in milliseconds.
    qint64 period() const;
    /// What is left of the countdown, in milliseconds of the clock's time;
    /// none while it does not count down, nor stands paused.
    std::optional<qint64> remaining() const;

signals:
    void timeout();

private:
    friend class GameClock;
    /// Starts the countdown afresh, or stops it; only for a change of state or period.
    void apply();
    /// The clock stops or starts: the countdown stands with what is left, or goes on from it.
    void hold(bool paused);
    /// The clock's speed changed by new/old: what is left changes with it.
    void rescale(qint64 newScale, qint64 oldScale);
    /// Due: the next countdown starts where this one ended, then it tells.
    void fire();
    /// The system timer set to the deadline; never while the clock's time is moved by hand.
    void arm();

    GameClock& clock_;
    QTimer timer_;
    bool enabled_;
    int interval_;
    std::optional<qint64> due_; ///< when it fires, in the clock's time, while it counts down
    std::optional<qint64> left_; ///< what was left, while the game stands paused
};
