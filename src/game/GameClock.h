#pragma once
// The game's one clock: the time the status bar shows and the exchange's rules
// read, the day each game starts on, whether the game stands paused, its
// speed, and the countdowns of the minute and of the market. Every timer of
// the game keeps its rhythm by it, and it announces each change.
#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class GameTimer;

class GameClock : public QObject {
    Q_OBJECT
public:
    /// The speeds, slowest first: a clock minute every this many milliseconds.
    /// Every period is stretched by one factor, so a trading day has as many
    /// market moves at every speed.
    static constexpr std::array<int, 6> kMinuteMs = {4000, 2000, 1000, 500, 250, 100};
    static constexpr int kNormalSpeed = 2;

    explicit GameClock(QObject* parent = nullptr);
    ~GameClock() override;

    /// The time the labels show and the exchange's rules read; none while no
    /// game runs or before a game's first minute.
    const std::optional<QDateTime>& Time() const { return time_; }
    /// The time of day it shows; none while it shows nothing.
    std::optional<QTime> TimeOfDay() const { return time_ ? std::optional(time_->time()) : std::nullopt; }
    /// Its time, or before a game's first minute the start of its first day.
    QDateTime Now() const;
    /// Puts the clock on a time: within the exchange hours the market counts down.
    void SetTime(const std::optional<QDateTime>& t);
    /// One clock minute on, by the calendar.
    QDateTime Step();
    /// The date each game's clock starts on: the day the program started.
    QDate BaseDate() const { return baseDate_; }
    void SetBaseDate(const QDate& d) { baseDate_ = d; }

    /// A game opens or ends: the minute counts down, unpaused, from a game's
    /// first minute, or from the time given (a game continued where it stood).
    void Run(bool on, const std::optional<QDateTime>& from = std::nullopt);
    bool Running() const { return running_; }

    bool Paused() const { return paused_; }
    /// Only while a game runs: with no game there is nothing to pause.
    void SetPaused(bool on);
    void TogglePause() { SetPaused(!paused_); }
    /// An index of kMinuteMs; it holds for the run, and changes only while a game runs.
    int Speed() const { return speed_; }
    void SetSpeed(int speed);
    /// A step along kMinuteMs; at either end nothing.
    void Slower() { SetSpeed(speed_ - 1); }
    void Faster() { SetSpeed(speed_ + 1); }
    /// A period of normal speed at this speed.
    qint64 Stretched(qint64 ms) const { return ms * kMinuteMs[size_t(speed_)] / kMinuteMs[kNormalSpeed]; }

    /// The countdowns the main window's timers are: a minute every second,
    /// the market every ten within the exchange hours (at normal speed).
    GameTimer& Minute() const { return *minute_; }
    GameTimer& Market() const { return *market_; }

    /// Milliseconds of the clock's own time: real time, or the hand's.
    qint64 Elapsed() const { return byHand_ ? handNow_ : real_.elapsed(); }
    /// Time moves only by Advance and no timer fires by itself: how tests
    /// drive the countdowns without waiting.
    void UseHandTime(bool on);
    bool ByHand() const { return byHand_; }
    /// Moves the hand's time on, firing every countdown that falls due, in turn.
    void Advance(qint64 ms);

    /// Back to the state after start-up, with no one listening; for tests.
    void Reset();

signals:
    void timeChanged(const std::optional<QDateTime>& t);
    void pausedChanged(bool paused);
    void speedChanged(int speed);

private:
    friend class GameTimer;
    void follow(GameTimer* t) { timers_.push_back(t); }
    void forget(GameTimer* t);
    /// The countdowns as start-up leaves them: the minute off, the market on without a period.
    void startUp();

    std::optional<QDateTime> time_;
    QDate baseDate_ = QDate::currentDate();
    bool running_ = false, paused_ = false;
    int speed_ = kNormalSpeed;
    QElapsedTimer real_;
    bool byHand_ = false;
    qint64 handNow_ = 0;
    std::vector<GameTimer*> timers_;
    std::unique_ptr<GameTimer> minute_, market_;
};
