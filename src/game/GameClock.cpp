#include "GameClock.h"
#include "Calendar.h"
#include "GameTimer.h"
#include <algorithm>

static_assert(GameClock::kMinuteMs[GameClock::kNormalSpeed] == Calendar::kMinuteMs);

GameClock::GameClock(QObject* parent) : QObject(parent)
{
    real_.start();
    minute_ = std::make_unique<GameTimer>(*this, nullptr, false, 0);
    minute_->setObjectName(QStringLiteral("minuteTimer"));
    market_ = std::make_unique<GameTimer>(*this, nullptr, true, 0);
    market_->setObjectName(QStringLiteral("marketTimer"));
    startUp();
}

GameClock::~GameClock() = default;

void GameClock::startUp()
{
    minute_->setEnabled(false);
    minute_->setInterval(Calendar::kMinuteMs);
    market_->setEnabled(true); // enabled, but silent until the clock gives it a period
    market_->setInterval(0);
}

void GameClock::SetTime(const std::optional<QDateTime>& t)
{
    time_ = t;
    if (t) {
        const bool open = Calendar::IsOpen(t->time());
        if (open)
            market_->setInterval(Calendar::kMarketMs); // the same period again leaves the countdown alone
        market_->setEnabled(open);
    }
    emit timeChanged(t);
}

QDateTime GameClock::Now() const { return time_.value_or(Calendar::DayStart(baseDate_)); }

QDateTime GameClock::Step()
{
    const QDateTime next = Calendar::NextMinute(time_, baseDate_);
    SetTime(next);
    return next;
}

void GameClock::Run(bool on, const std::optional<QDateTime>& from)
{
    running_ = on; // first: an ended game is not resumed, it has nothing to pause
    SetPaused(false); // a new game starts unpaused
    SetTime(on ? from : std::nullopt); // a new game's first minute starts its day
    minute_->setEnabled(on);
    if (!on)
        market_->setEnabled(false);
}

void GameClock::SetPaused(bool on)
{
    if (on == paused_ || (on && !running_))
        return;
    paused_ = on;
    for (GameTimer* t : timers_)
        t->hold(on);
    emit pausedChanged(on);
}

void GameClock::SetSpeed(int speed)
{
    if (!running_ || speed == speed_ || speed < 0 || speed >= int(kMinuteMs.size()))
        return;
    const qint64 before = kMinuteMs[size_t(speed_)];
    speed_ = speed;
    for (GameTimer* t : timers_)
        t->rescale(kMinuteMs[size_t(speed)], before);
    emit speedChanged(speed);
}

void GameClock::UseHandTime(bool on)
{
    byHand_ = on;
    handNow_ = real_.elapsed();
    for (GameTimer* t : timers_)
        t->arm();
}

void GameClock::Advance(qint64 ms)
{
    const qint64 end = handNow_ + ms;
    for (;;) {
        // The countdown due first fires first; one it starts or moves takes its turn.
        GameTimer* next = nullptr;
        for (GameTimer* t : timers_)
            if (t->due_ && *t->due_ <= end && (!next || *t->due_ < *next->due_))
                next = t;
        if (!next)
            break;
        handNow_ = std::max(handNow_, *next->due_);
        next->fire();
    }
    handNow_ = end;
}

void GameClock::forget(GameTimer* t) { std::erase(timers_, t); }

void GameClock::Reset()
{
    disconnect();
    minute_->disconnect();
    market_->disconnect();
    SetPaused(false);
    running_ = false;
    speed_ = kNormalSpeed;
    time_.reset();
    baseDate_ = QDate::currentDate();
    startUp();
}
