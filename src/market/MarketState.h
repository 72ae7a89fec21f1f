#pragma once
// What the market remembers from one run of the clock or the tick to the next:
// whether a tick is running, and the failures already told, so that each is
// told once. Kept in one place, so that a test can put it back as it starts.
#include <QDate>
#include <QString>

namespace Market {

struct State {
    bool tickRunning = false;
    QString lastTickFailure;
    QDate dayResetFailureTold;
};

State& CurrentState();
void ResetState();

/// The tick's own work: every stock's new price stored, all or none, and its
/// messages; false when it failed. The tick then refreshes the reports.
bool MovePrices();

} // namespace Market
