#include "GameClock.h"
#include "Exchange.h"
#include "VbTimer.h"
#include <QShortcut>
#include <QTimeZone>
#include <QWidget>
#include <algorithm>

QString GameClock::SpeedName(int speed)
{
    static const char* const names[] = {
        "Quarter speed", "Half speed", "Normal speed", "Double speed", "Four times speed", "Ten times speed"};
    return QString::fromLatin1(names[std::clamp(speed, 0, int(kMinuteMs.size()) - 1)]);
}

GameClock::GameClock(QObject* parent) : QObject(parent)
{
    real_.start();
    minute_ = std::make_unique<VbTimer>(nullptr, false, 0, this);
    minute_->setObjectName(QStringLiteral("Timer1"));
    market_ = std::make_unique<VbTimer>(nullptr, true, 0, this);
    market_->setObjectName(QStringLiteral("Timer2"));
    startUp();
}

GameClock::~GameClock() = default;

void GameClock::startUp()
{
    minute_->setEnabled(false);
    minute_->setInterval(1000);
    market_->setEnabled(true); // enabled, but silent until the clock gives it a period
    market_->setInterval(0);
}

void GameClock::SetTime(const std::optional<QDateTime>& t)
{
    time_ = t;
    if (t) {
        const bool open = Exchange::IsOpen(t->time());
        if (open)
            market_->setInterval(10000); // the same period again leaves the countdown alone
        market_->setEnabled(open);
    }
    emit timeChanged(t);
}

QDateTime GameClock::Step()
{
    QDateTime next;
    if (!time_) // a game's first minute
        next = QDateTime(baseDate_, QTime(9, 1), QTimeZone::utc());
    else if (time_->time() >= QTime(17, 0) && time_->time() < QTime(23, 59))
        next = time_->addSecs(16 * 3600 + 60); // the night, skipped: 17:00 stays shown until 09:01
    else
        next = time_->addSecs(60);
    SetTime(next);
    return next;
}

void GameClock::Run(bool on)
{
    running_ = on; // first: an ended game is not resumed, it has nothing to pause
    SetPaused(false); // a new game starts unpaused
    SetTime(std::nullopt); // the new game's first minute starts its day
    minute_->setEnabled(on);
    if (!on)
        market_->setEnabled(false);
}

void GameClock::SetPaused(bool on)
{
    if (on == paused_ || (on && !running_))
        return;
    paused_ = on;
    for (VbTimer* t : timers_)
        t->hold(on);
    emit pausedChanged(on);
}

void GameClock::SetSpeed(int speed)
{
    if (!running_ || speed == speed_ || speed < 0 || speed >= int(kMinuteMs.size()))
        return;
    const qint64 before = kMinuteMs[size_t(speed_)];
    speed_ = speed;
    for (VbTimer* t : timers_)
        t->rescale(kMinuteMs[size_t(speed)], before);
    emit speedChanged(speed);
}

void GameClock::UseHandTime(bool on)
{
    byHand_ = on;
    handNow_ = real_.elapsed();
    for (VbTimer* t : timers_)
        t->arm();
}

void GameClock::Advance(qint64 ms)
{
    const qint64 end = handNow_ + ms;
    for (;;) {
        // The countdown due first fires first; one it starts or moves takes its turn.
        VbTimer* next = nullptr;
        for (VbTimer* t : timers_)
            if (t->due_ && *t->due_ <= end && (!next || *t->due_ < *next->due_))
                next = t;
        if (!next)
            break;
        handNow_ = std::max(handNow_, *next->due_);
        next->fire();
    }
    handNow_ = end;
}

void GameClock::TakeKeys(QWidget* window)
{
    const std::pair<QKeySequence, void (GameClock::*)()> keys[] = {{Qt::Key_Pause, &GameClock::TogglePause},
        {Qt::CTRL | Qt::Key_Minus, &GameClock::Slower}, {Qt::CTRL | Qt::Key_Plus, &GameClock::Faster},
        {Qt::CTRL | Qt::Key_Equal, &GameClock::Faster}};
    for (const auto& [key, step] : keys)
        connect(new QShortcut(key, window), &QShortcut::activated, this, step);
}

void GameClock::forget(VbTimer* t) { std::erase(timers_, t); }

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
