#pragma once
// The market database: "Stocks Information" and, per stock S, the tables S and
// S + "DAY" and the stored queries S + "Q" and S + "QDAY".
#include "dao/Dao.h"
#include <vector>

namespace MarketSchema {

inline const QString kStocksTable = QStringLiteral("Stocks Information");
// Its fields; names match in any letter case.
inline const QString kSymbolField = QStringLiteral("stocksymbol");
inline const QString kNameField = QStringLiteral("stockname");
inline const QString kPriceField = QStringLiteral("Stockcurrent Price");
inline const QString kMinField = QStringLiteral("Min"); ///< the day's lowest price
inline const QString kMaxField = QStringLiteral("Max"); ///< the day's highest price
inline const QString kVolumeField = QStringLiteral("Volume");
/// The one field of a stock's history and day tables.
inline const QString kHistoryPriceField = QStringLiteral("Price");

/// The stored range query over a price table, with exactly this text: the
/// table's name stands bare, unbracketed.
inline QString RangeQuerySql(const QString& priceTable)
{
    return QStringLiteral("SELECT Min([Price]) AS [Min Of Price], Max([Price]) AS [Max Of Price] FROM ") + priceTable;
}

/// The lowest and highest price in a price table, as its stored range query
/// gives them. Where the query is the one the market made, the data layer's
/// kept range answers, so that neither the tick nor the board scans prices;
/// through the price table's recordset where one is open.
std::pair<dao::Value, dao::Value> PriceRange(
    dao::Database& db, const QString& query, const QString& priceTable, dao::Recordset* prices = nullptr);
/// Of a stock's history (query S + "Q") and of its trading day (S + "QDAY").
inline std::pair<dao::Value, dao::Value> HistoryRange(dao::Database& db, const QString& symbol)
{
    return PriceRange(db, symbol + QStringLiteral("Q"), symbol);
}
inline std::pair<dao::Value, dao::Value> DayRange(dao::Database& db, const QString& symbol, dao::Recordset& day)
{
    return PriceRange(db, symbol + QStringLiteral("QDAY"), symbol + QStringLiteral("DAY"), &day);
}

// The market's own tables are named with a blank, which no symbol holds, so
// that no stock's tables can ever take their names.

/// The market's headlines, with the moves each still has to run: written
/// with the moves, so that the two always agree.
inline const QString kNewsTable = QStringLiteral("Market News");
/// What an earlier version called it, where no stock could be named NEWS.
inline const QString kOldNewsTable = QStringLiteral("News");
inline const QString kNewsTimeField = QStringLiteral("Time"); ///< the game's clock
inline const QString kNewsSymbolField = QStringLiteral("Symbol"); ///< empty for the whole market
inline const QString kKindField = QStringLiteral("Kind"); ///< "rumour", "news" or "denied"
/// The headline as it reads in English, for whoever opens the market with another program.
inline const QString kHeadlineField = QStringLiteral("Headline");
/// What it says as its source words, the company's name standing for %1, and
/// the company's name: every language shows it from these two.
inline const QString kPhraseField = QStringLiteral("Phrase");
inline const QString kCompanyField = QStringLiteral("Company");
inline const QString kDirectionField = QStringLiteral("Direction"); ///< "up" or "down"
inline const QString kMovesLeftField = QStringLiteral("Moves left");
/// Gives the market the table where it has none; true when it was made.
bool EnsureNews(dao::Database& db);

/// The games that ended, which outlive them.
inline const QString kHallTable = QStringLiteral("Hall of Fame");
inline const QString kHallPlayerField = QStringLiteral("Player");
inline const QString kStartedField = QStringLiteral("Started");
inline const QString kEndedField = QStringLiteral("Ended");
inline const QString kDaysField = QStringLiteral("Days");
inline const QString kTradesField = QStringLiteral("Trades");
inline const QString kWorthField = QStringLiteral("Worth");
inline const QString kReturnField = QStringLiteral("Return");
inline const QString kMarketReturnField = QStringLiteral("Market return");
inline const QString kBeatByField = QStringLiteral("Beat by");
inline const QString kHallNewsField = QStringLiteral("News"); ///< "Yes" or "No"
/// The game's identity; Null in a line an earlier version wrote.
inline const QString kHallGameField = QStringLiteral("Game");
/// Gives the market the table, and an earlier version's table the fields it lacks.
void EnsureHall(dao::Database& db);

/// Every table the market keeps for itself besides the stocks' own.
const QStringList& OwnTables();
/// Carries a market an earlier version made over to this version's tables.
void CarryOver(dao::Database& db);

/// Creates the stock table in a new database.
void CreateStocksTable(dao::Database& db);
/// Creates the four per-stock objects; the history gets the given prices, oldest first.
void CreateStockObjects(dao::Database& db, const QString& symbol, const std::vector<dao::Currency>& history);

} // namespace MarketSchema
