#pragma once
// The game's worth over time: a row of the game file's table "Worth" at the
// game's start and after every market tick, with the figures Balance shows.
#include "Holdings.h"
#include <QDateTime>
#include <optional>
#include <vector>

namespace WorthLog {

struct Row {
    QDateTime time; ///< the game's clock
    dao::Currency cash;
    std::optional<dao::Currency> stocks; ///< none while nothing was traded
    dao::Currency balance;
};

/// Gives a game file the table where it has none (an older game's file);
/// true when it was made.
bool Ensure(dao::Database& game);
/// Appends the worth at a time.
void Append(dao::Database& game, const QDateTime& time, const Holdings::Worth& w);
/// When a game's clock starts: 09:00 of the day the program started.
QDateTime Start();
/// The game's clock, or its start before its first minute.
QDateTime Now();
/// A game's first row, where its series starts: the figures of a game that
/// holds nothing, or of one continued.
void AppendStart(dao::Database& game);
/// The open game's worth now, in a transaction of its own, so that a kill
/// leaves whole rows only; nothing while no game is open. A failure is kept
/// for the window that shows the worth (LastFailure), not put in the
/// player's way in the middle of play.
void RecordNow();
/// Why the last record failed, in a player's words; empty when it was made.
QString LastFailure();

/// Its rows from the given one on (0-based), oldest first; none where the
/// file has no table.
std::vector<Row> Read(dao::Database& game, int from = 0);
/// How many rows it has, without reading them.
int Count(dao::Database& game);

} // namespace WorthLog
