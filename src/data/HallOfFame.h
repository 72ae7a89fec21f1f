#pragma once
// The games that ended, kept in the market's "Hall of Fame" so that they
// outlive their files: each game's result against simply holding the market.
#include "WorthLog.h"
#include "game/Game.h"
#include <QDateTime>
#include <optional>
#include <vector>

namespace HallOfFame {

inline constexpr int kPlaces = 10;

struct Entry {
    QString player;
    QString game; ///< the game's identity; empty in a line an earlier version wrote
    QDateTime started, ended; ///< the game's clock
    int days = 0; ///< trading days played
    int trades = 0;
    dao::Currency worth; ///< cash plus stocks, a short counting negative
    double gain = 0; ///< the worth against the starting balance, in percent
    double marketGain = 0; ///< the market's, in percent
    double beatBy = 0; ///< the two apart, in points
    bool news = false;
};

/// A game's entry from its worth rows (oldest first), its trades, its worth
/// and the market's now, at its end; the market counts as unchanged where
/// the game kept no start prices.
Entry Figures(const QString& player, const QString& game, dao::Currency startingBalance, const std::vector<WorthLog::Row>& rows, int trades,
    dao::Currency worth, std::optional<dao::Currency> market, bool news, const QDateTime& ended);
/// The open game's entry, read from its file at its clock's time.
Entry Of(const Game& game);
/// How many trades the game's log holds.
int Trades(const Game& game);

/// Best first: by how far the game beat the market, then by its return.
bool Before(const Entry& a, const Entry& b);
/// Writes the entry into the market, in place of an earlier one of the same
/// game (continued and ended again): a game is never listed twice, and two
/// games are never one.
void Record(dao::Database& market, const Entry& e);
/// The best entries, best first.
std::vector<Entry> Best(dao::Database& market, int places = kPlaces);
/// The entry's place among them, from 1; none where it is not among them.
std::optional<int> PlaceOf(const std::vector<Entry>& best, const Entry& e);

} // namespace HallOfFame
