#pragma once
#include <QSet>
#include <QString>
// What the market remembers from one run of the clock or the tick to the next:
// whether a tick is running, a new day still to prepare, and
// the failures already told, so that each is told once. Kept in one place, so
// that a test can put it back as it starts.
#include <QString>

class Game;

namespace Market {

struct State {
    bool tickRunning = false;
    QString lastTickFailure;
    /// The evening's preparation of the next day failed (and was told): it is
    /// tried again every clock minute, and no tick runs until it succeeds.
    bool newDayPending = false;
    /// The stocks whose price of 0 was told this run: each is told once.
    QSet<QString> zeroPriceTold;
    /// Where in which market's news the next move reads from (the first row
    /// still running), as of the last move stored: a move reads no older rows.
    QString newsFile;
    int64_t newsFrom = 0;
};

State& CurrentState();
void ResetState();

/// The tick's own work: every stock's new price stored, all or none, and its
/// messages; false when it failed. The tick then refreshes the reports.
bool MovePrices(const Game* game);

} // namespace Market
