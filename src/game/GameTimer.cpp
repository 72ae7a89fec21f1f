#include "GameTimer.h"
#include "GameClock.h"

GameTimer::GameTimer(GameClock& clock, QObject* parent, bool enabled, int interval)
    : QObject(parent), clock_(clock), enabled_(enabled), interval_(interval)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer); // ticks stay ten seconds apart, not within 5%
    connect(&timer_, &QTimer::timeout, this, &GameTimer::fire);
    clock_.follow(this);
    apply();
}

GameTimer::~GameTimer() { clock_.forget(this); }

void GameTimer::setEnabled(bool on)
{
    if (on == enabled_)
        return; // re-enabling must not restart the countdown, or ticks drift
    enabled_ = on;
    apply();
}

void GameTimer::setInterval(int ms)
{
    if (ms < 0)
        ms = 0;
    if (ms == interval_)
        return;
    interval_ = ms;
    apply();
}

qint64 GameTimer::period() const { return clock_.Stretched(interval_); }

std::optional<qint64> GameTimer::remaining() const
{
    if (due_)
        return std::max<qint64>(0, *due_ - clock_.Elapsed());
    return left_;
}

void GameTimer::apply()
{
    due_.reset();
    left_.reset();
    if (enabled_ && interval_ > 0) {
        if (clock_.Paused())
            left_ = period();
        else
            due_ = clock_.Elapsed() + period();
    }
    arm();
}

void GameTimer::hold(bool paused)
{
    if (paused && due_) {
        left_ = remaining();
        due_.reset();
    } else if (!paused && left_) {
        due_ = clock_.Elapsed() + *left_;
        left_.reset();
    }
    arm();
}

void GameTimer::rescale(qint64 newScale, qint64 oldScale)
{
    // A countdown with 40 % of its period left has 40 % of the new period left.
    auto scaled = [&](qint64 ms) { return (ms * newScale + oldScale / 2) / oldScale; };
    if (due_)
        due_ = clock_.Elapsed() + scaled(*remaining());
    else if (left_)
        left_ = scaled(*left_);
    arm();
}

void GameTimer::fire()
{
    if (!due_)
        return;
    const qint64 now = clock_.Elapsed();
    // The next one is a period after this was due, not after it came: the rhythm
    // does not drift. One held up for longer than a period is not caught up.
    *due_ += period();
    if (*due_ <= now)
        due_ = now + period();
    arm();
    emit timeout();
}

void GameTimer::arm()
{
    if (due_ && !clock_.ByHand())
        timer_.start(int(std::min<qint64>(*remaining(), 1 << 30)));
    else
        timer_.stop();
}
