#pragma once
// News that moves the market: a headline tilts its stock's draws (the whole
// market's, where it names no stock) up or down for a number of moves. Every
// move stays one of the price table's steps, only its draw is tilted.
#include <QDateTime>
#include <QHash>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace dao {
class Database;
}

namespace Market::News {

enum class Kind { Rumour, News, Denied };
enum class Direction { Up, Down };

/// Uniform over lo to hi, both included.
using Draw = std::function<int(int lo, int hi)>;

/// The chances at each move, 1 in so many: a stock without news of its own
/// getting some, and the whole market getting some.
inline constexpr int kStockOdds = 420, kMarketOdds = 840;

/// A row of the news: a rumour counting down to its news, news tilting the
/// draws while it has moves left, or a denial.
struct Item {
    int64_t at = -1; ///< its row's bookmark; -1 until it is written
    QString symbol; ///< empty for the whole market
    Kind kind = Kind::News;
    Direction direction = Direction::Up;
    int movesLeft = 0;
    QString headline; ///< as stored: its source words and the company's name
    bool changed = false; ///< its count moved, or it is new: to be written
};

/// One move's news, stock by stock in the market's order: the market's own
/// first, then each stock's rumour, its chance of news and its tilt.
class Move {
public:
    /// The items still running before the move.
    Move(std::vector<Item> running, Draw draw);
    /// The stock's tilt at this move, if any; its news counted down.
    std::optional<Direction> Stock(const QString& symbol, const QString& name);
    /// Counts down what no stock took: the market's news and any of a stock no longer listed.
    std::vector<Item> Finish();

private:
    Item& add(Item item);
    void startNews(const QString& symbol, const QString& name, Direction d);
    std::vector<Item> items_;
    QHash<QString, int> bySymbol_; ///< a stock's running item
    std::vector<bool> tookTurn_; ///< by item: its stock took its turn
    std::optional<int> market_;
    Draw draw_;
};

/// A stored headline in the player's language.
QString Shown(const QString& stored);
QString KindCode(Kind k);
QString DirectionCode(Direction d);

/// The market's news for one move inside the tick's transaction: read from
/// the first row that may still run (by its bookmark; 0 reads them all),
/// then counted and written.
class Table {
public:
    Table(dao::Database& market, int64_t firstRunning, Draw draw);
    Move& Now() { return *move_; }
    /// Writes the move's news at the clock's time; where the next move reads
    /// from, and the headlines to tell, oldest first.
    int64_t Write(const QDateTime& time, QStringList& told);

private:
    dao::Database& db_;
    int64_t from_ = 0, end_ = 0;
    std::optional<Move> move_;
};

/// A game's headlines, newest first, with their time.
struct Line {
    QDateTime time;
    QString headline;
};
std::vector<Line> Read(dao::Database& market);

} // namespace Market::News
