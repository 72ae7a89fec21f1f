#include "VbTimer.h"

VbTimer::VbTimer(QObject* parent, bool enabled, int interval) : QObject(parent), enabled_(enabled), interval_(interval)
{
    timer_.setTimerType(Qt::PreciseTimer); // ticks stay ten seconds apart, not within 5%
    connect(&timer_, &QTimer::timeout, this, &VbTimer::timeout);
    apply();
}

void VbTimer::setEnabled(bool on)
{
    if (on == enabled_)
        return; // re-enabling must not restart the countdown, or ticks drift
    enabled_ = on;
    apply();
}

void VbTimer::setInterval(int ms)
{
    if (ms < 0)
        ms = 0;
    if (ms == interval_)
        return;
    interval_ = ms;
    apply();
}

void VbTimer::apply()
{
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}
