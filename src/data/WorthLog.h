#pragma once
// The game's worth over time: a row of the game file's table "Worth" at the
// game's start and after every market tick, with the figures Balance shows.
#include "Holdings.h"
#include "game/Game.h"
#include <QDateTime>
#include <optional>
#include <vector>

namespace WorthLog {

struct Row {
    QDateTime time; ///< the game's clock
    dao::Currency cash;
    std::optional<dao::Currency> stocks; ///< none while nothing was traded
    dao::Currency balance;
    std::optional<dao::Currency> market; ///< none before the game kept the start's prices
};

/// What the starting balance, spread evenly over the stocks listed at the
/// start, is worth at today's prices: a stock added since is left out, one no
/// longer listed counts at its start; none without start prices.
std::optional<dao::Currency> MarketWorth(
    const Holdings::Prices& start, const Holdings::Prices& now, dao::Currency startingBalance);
/// Keeps the price of every listed stock in the game file, where it has none
/// (a new game, or an older one continued); true when they were kept.
bool KeepStartPrices(dao::Database& game);
/// The prices the game file kept; none where it kept none.
Holdings::Prices StartPrices(dao::Database& game);
/// The market's worth from those start prices at the market's current prices.
std::optional<dao::Currency> MarketWorthNow(const Holdings::Prices& start, dao::Currency startingBalance);

/// Gives a game file the table where it has none (an older game's file);
/// true when it was made.
bool Ensure(dao::Database& game);
/// Appends the worth at a time.
void Append(dao::Database& game, const QDateTime& time, const Holdings::Worth& w,
    std::optional<dao::Currency> market = std::nullopt);
/// A game's first row, where its series starts at the start of its first
/// day: the figures of a game that holds nothing, or of one continued.
void AppendStart(dao::Database& file, const QDateTime& start, dao::Currency startingBalance);
/// The game's worth at its clock's time, in a transaction of its own, so that
/// a kill leaves whole rows only. A failure is kept for the window that shows
/// the worth (LastFailure), not put in the player's way in the middle of play.
void RecordNow(const Game& game);
/// Why the game's last record failed, in a player's words; empty when it was made.
QString LastFailure(const Game& game);

/// Its rows from the given one on (0-based), oldest first; none where the
/// file has no table.
std::vector<Row> Read(dao::Database& game, int from = 0);
/// How many rows it has, without reading them.
int Count(dao::Database& game);
/// The time of its last row, where it has one.
std::optional<QDateTime> LastTime(dao::Database& game);
/// The balance as the day began: the last row before it, or where there is
/// none, its first (the game's start); none where it has no row.
std::optional<dao::Currency> DayStartBalance(dao::Database& game, const QDate& day);

} // namespace WorthLog
