#pragma once
#include <QObject>
#include <QTimer>

/// A timer with the two rules the program relies on: an interval of 0 never
/// fires, even when enabled; setting the state or interval it already has leaves
/// its countdown alone.
class VbTimer : public QObject {
    Q_OBJECT
public:
    explicit VbTimer(QObject* parent = nullptr, bool enabled = false, int interval = 0);

    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }
    void setEnabled(bool on);
    void setInterval(int ms);
    /// Whether it will fire: enabled with a period.
    bool isRunning() const { return timer_.isActive(); }

signals:
    void timeout();

private:
    /// Starts the countdown afresh, or stops it; only for a change of state or period.
    void apply();
    QTimer timer_;
    bool enabled_;
    int interval_;
};
