#pragma once
// The rules every trade follows, whoever makes it (the desk, an order the
// market fills, a margin call): what the game has, weighed against a trade,
// gives the row it records or why it is refused, in the desk's words.
#include "data/Holdings.h"
#include "data/TradeType.h"
#include <optional>
#include <vector>

namespace TradeRules {

using Type = TradeType;

/// What the game has as a trade is weighed.
struct Book {
    dao::Currency cash;
    std::vector<Holdings::Holding> held; ///< in the query's order
    Holdings::Prices prices; ///< the current price of each held symbol the market lists
};
/// The game's cash and holdings, with the market's prices for them where asked.
Book Read(dao::Database& file, dao::Currency startingBalance, bool priced);

/// The option buttons' captions of the types, in the desk's words ("Buy",
/// "Sell", "Cover short", "Sell short"): one table for every window.
QString Caption(Type type);
inline constexpr Type kTypes[] = {Type::Buy, Type::Sell, Type::CoverShort, Type::SellShort};

/// A row of the trade log: positive units and a negative result for what is
/// bought or covered, negative units and a positive result for what is sold.
struct Row {
    QString symbol;
    dao::Currency price;
    int64_t units;
    dao::Currency result;
    /// What it comes to: the price times the units, without a sign.
    dao::Currency sum() const { return result < dao::Currency() ? -result : result; }
    bool operator==(const Row&) const = default;
};
/// The row of a trade: price times units, with the signs of its type.
Row RowOf(Type type, const QString& symbol, dao::Currency price, int64_t units);
void Record(dao::Database& game, const Row& row);

/// The book as it is after the row.
Book After(Book book, const Row& row);

/// Why a trade asked for is refused before it is weighed, in the order the
/// desk checks: the units (whole, above 0), the type, a stock chosen; none
/// when it may be weighed.
enum class Refusal { Units, Type, Stock };
std::optional<Refusal> RefusedAsAsked(double units, Type type, bool stockChosen);
/// What a window says of something it will not do: the text, the caption
/// where it has one of its own, and whether it warns.
struct Said {
    QString text;
    QString caption;
    bool warns = false;
};
/// A refusal as the desk says it: the units' with its own caption.
Said SaidOf(Refusal refusal);

/// What a trade did, as a fill is told: "bought 10 of ALDR at 12.34".
QString Done(Type type, const Row& row);

/// Why a trade is refused, the same in every language: its source text and
/// its arguments, numbers with a point. Shown in the player's language; kept
/// in this form where it is stored (an order's note), so that a game file
/// holds the same whatever the language it was played in.
struct Words {
    const char* source = nullptr;
    QStringList args;
    QString Shown() const;
    QString Stored() const;
    /// A stored text in the player's language; one stored by an earlier
    /// version (a plain text) as it was, translated where it can be.
    static QString Shown(const QString& stored);
};

struct Verdict {
    std::optional<Row> row; ///< what it records; none when refused
    QString said; ///< its confirmation, or why it is refused
    Words why; ///< why it is refused, to be stored
    bool forCash = false; ///< refused for want of cash, as a purchase can be
};
/// A trade of whole units of a symbol at a price, by the rules of its type.
Verdict Weigh(Type type, const QString& symbol, dao::Currency price, int64_t units, const Book& book);

/// The Balance's sum (cash plus the stocks' value, a short counting negative)
/// and the short positions' value (their units times the price), at the book's
/// prices; where a symbol and a price are given, that symbol at that price.
struct Margin {
    dao::Currency balance, shorts;
    /// A short sale leaves a balance of at least half of the short positions:
    /// collateral of 150 %.
    bool AllowsShortSale() const { return balance * 2 >= shorts; }
    /// Below 30 % of the short positions, they are covered.
    bool Calls() const { return balance * 10 < shorts * 3; }
};
Margin MarginOf(const Book& book, const QString& symbol = {}, std::optional<dao::Currency> price = {});

/// The rows that cover every short position the market prices, at its price.
std::vector<Row> CoverAll(const Book& book);

} // namespace TradeRules
