#pragma once
// The game file: the trade log "Traderesult", the player's record "Player
// Information", the stored queries "Position" and "Result" over the log, the
// game's worth after every tick "Worth" and the orders the market fills
// "Orders". Every name is named here once; names match in any letter case.
#include "dao/Dao.h"

namespace GameSchema {

/// Every game New makes starts with this cash, which its file keeps.
inline constexpr int kStartingBalance = 500000;

inline const QString kTradeTable = QStringLiteral("Traderesult");
inline const QString kSymbolField = QStringLiteral("Symbol");
inline const QString kPriceField = QStringLiteral("Price");
/// Positive bought, negative sold.
inline const QString kUnitsField = QStringLiteral("Units");
/// Negative when cash is paid out, positive when it comes in.
inline const QString kResultField = QStringLiteral("Result");

inline const QString kPlayerTable = QStringLiteral("Player Information");
inline const QString kNameField = QStringLiteral("Name");
inline const QString kCashField = QStringLiteral("Cash");
inline const QString kDateField = QStringLiteral("Date");
inline const QString kBalanceField = QStringLiteral("Balance");
inline const QString kDaytimeField = QStringLiteral("Daytime");
/// Whether the game's market has news: "Yes" or "No"; an older file has no such field, and no news.
inline const QString kNewsField = QStringLiteral("News");
/// The game's own identity, made at New: an older file gets one when it is continued.
inline const QString kGameField = QStringLiteral("Game");

/// The units held of each symbol ever traded.
inline const QString kPositionQuery = QStringLiteral("Position");
inline const QString kSumOfUnitsField = QStringLiteral("Sum Of units");
/// The net cash flow of all trades; Null while the log is empty.
inline const QString kResultQuery = QStringLiteral("Result");
inline const QString kSumOfResultField = QStringLiteral("Sum Of Result");

inline const QString kWorthTable = QStringLiteral("Worth");
inline const QString kTimeField = QStringLiteral("Time"); ///< the game's clock
inline const QString kStocksField = QStringLiteral("Stocks"); ///< Null while nothing was traded
/// What the starting balance spread evenly over the market at the start is
/// worth: Null before the game kept the start's prices.
inline const QString kMarketField = QStringLiteral("Market");

/// The price of every listed stock when the game began, in Symbol and Price.
inline const QString kStartPricesTable = QStringLiteral("Start prices");

inline const QString kOrdersTable = QStringLiteral("Orders");
/// Its fields besides Symbol, Price and Units: the type and the condition as
/// the desk words them, the game's clock when placed and when filled or
/// cancelled, the state, the price it filled at and why it is still open.
inline const QString kTypeField = QStringLiteral("Type");
inline const QString kConditionField = QStringLiteral("Condition");
inline const QString kPlacedField = QStringLiteral("Placed");
inline const QString kStateField = QStringLiteral("State");
inline const QString kDoneField = QStringLiteral("Done");
inline const QString kFillPriceField = QStringLiteral("Fill price");
inline const QString kNoteField = QStringLiteral("Note");

inline const QString kPositionSql = QStringLiteral(
    "SELECT DISTINCTROW [Traderesult].[Symbol], Sum([Traderesult].[Units]) AS [Sum Of Units] FROM Traderesult "
    "GROUP BY [Traderesult].[Symbol];");
inline const QString kResultSql =
    QStringLiteral("SELECT DISTINCTROW Sum([Traderesult].[Result]) AS [Sum Of Result] FROM Traderesult;");

/// The tables and queries every game file holds: a file without them is no game.
const QStringList& Objects();

/// Creates the game file's tables, "Traderesult" and "Player Information", and
/// its stored queries "Position" and "Result".
void Create(dao::Database& db);

/// Gives a game file a table of a later version where it has none (an older
/// game's file); true when it was made.
bool Ensure(dao::Database& game, const dao::TableDef& table);

/// The balance the game started with, as the player's record the recordset
/// stands on keeps it; a record without one started as every game does.
dao::Currency StartingBalanceOf(const dao::Recordset& info);

/// Whether the game's market has news; an older file's has none.
bool NewsOf(dao::Database& game);
/// Keeps the choice in the player's record, adding the field an older file lacks.
void SetNews(dao::Database& game, bool on);
/// A new game's identity, like no other's.
QString NewGameId();
/// The game's identity, made and kept where an older file has none.
QString EnsureGameId(dao::Database& game);

/// A stored "Yes" or "No".
inline QString YesNo(bool on) { return on ? QStringLiteral("Yes") : QStringLiteral("No"); }
inline bool IsYes(const dao::Value& v) { return v.kind() == dao::Value::Kind::Text && v.asText() == YesNo(true); }

/// Appends a row to the trade log.
void AppendTrade(dao::Database& game, const QString& symbol, dao::Currency price, int64_t units, dao::Currency result);

} // namespace GameSchema
