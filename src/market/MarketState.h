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

} // namespace Market
