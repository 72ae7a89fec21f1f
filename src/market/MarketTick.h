#pragma once
// The market's moves, and the evening that prepares the next day: rules that
// return what came of them, for the shell to tell.
#include "dao/Dao.h"
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

class Game;

namespace Market {

/// What the market remembers of a game from one move to the next: the
/// failures already told, so that each is told once, the stocks whose price
/// of 0 was told, a day the evening could not prepare, and where in which
/// market's news the next move reads from.
struct Memory {
    QString lastFailure;
    QSet<QString> zeroPriceTold;
    /// The evening's preparation of the next day failed: it is tried again
    /// every clock minute, and no move runs until it succeeds.
    bool newDayPending = false;
    std::optional<dao::FileIdentity> newsMarket;
    int64_t newsFrom = 0; ///< the first row of its news still running
};

/// What a move came to.
struct Moved {
    bool moved = false; ///< every stock has its new price stored
    QString failure; ///< why it could not move, to be told; empty where there is none or it was told
    QStringList zeroPrices; ///< stocks whose price is 0, each told once a game
    QStringList headlines; ///< the headlines it brought, oldest first, in the player's words
};

/// Moves every stock, all or none, with the game's news where its market has
/// news; nothing while the evening's preparation is still to be made.
Moved Tick(const Game* game);
/// The move's own work, with what it remembers where no game keeps it.
Moved MovePrices(const Game* game, Memory& memory);

/// One clock minute on; outside the exchange hours the day's figures are
/// emptied for the next. Why the next day could not be prepared, to be told once.
QString AdvanceClock(const Game* game);
/// Empties the day's figures of every stock, all or none.
void StartNewTradingDay();

} // namespace Market
