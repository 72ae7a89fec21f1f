#pragma once
// News that moves the market: a headline jumps its stock's price at once and
// then tilts its draws (the whole market's, where it names no stock) towards
// one side of the price table for a number of moves: more likely, never
// certain. Every draw stays one of the table's steps; a jump is one extra
// factor on the move that brings its headline.
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

struct Range {
    int lo, hi;
};
/// Every chance, length, jump and tilt of the news, in one place to tune.
/// Jumps are in hundredths of a per cent.
struct Odds {
    int stock = 420; ///< 1 in so many: a stock without news of its own gets some, at each move
    int market = 840; ///< 1 in so many: the whole market gets some, at each move
    int heardFirst = 2; ///< 1 in so many of a company's news is first heard as a rumour
    int denied = 2; ///< 1 in so many rumours is denied; the rest come true
    Range lead{3, 6}; ///< moves from a rumour to its news or its denial
    Range goodMoves{10, 25}, badMoves{15, 30}, marketMoves{8, 20};
    Range goodJump{300, 800}, badJump{400, 1000}, marketJump{100, 300}, denialJump{200, 500};
    int companyShare = 55; ///< per cent of a stock's draws on its news' side of the table
    int marketShare = 53; ///< the same under the market's news
};
inline constexpr Odds kOdds{};

/// What the news does to one stock at one move: the side of the table its
/// draw leans to and how often it falls there, and a jump on top of the move.
struct Tilt {
    std::optional<Direction> side; ///< none: the whole table, as without news
    int share = 50; ///< per cent of draws on that side
    double jump = 1; ///< the extra factor of the move that brings a headline or a denial
};

/// A row of the news: a rumour counting down to its news or denial, news
/// tilting the draws while it has moves left, or a denial.
struct Item {
    int64_t at = -1; ///< its row's bookmark; -1 until it is written
    QString symbol; ///< empty for the whole market
    Kind kind = Kind::News;
    Direction direction = Direction::Up;
    int movesLeft = 0;
    QString phrase; ///< what it says, as its source words ("%1 wins a large contract")
    QString company; ///< the company it names; empty for the market
    bool changed = false; ///< its count moved, or it is new: to be written
};

/// One move's news, stock by stock in the market's order: the market's own
/// first, then each stock's rumour, its chance of news and its tilt.
class Move {
public:
    /// The items still running before the move.
    Move(std::vector<Item> running, Draw draw);
    /// The stock's tilt at this move; its news counted down.
    Tilt Stock(const QString& symbol, const QString& name);
    /// Counts down what no stock took: the market's news and any of a stock no longer listed.
    std::vector<Item> Finish();

private:
    Item& add(Item item);
    void startNews(const QString& symbol, const QString& name, Direction d);
    /// The jump of a headline of that direction, drawn over a range.
    double jump(Direction d, Range range) const;
    std::vector<Item> items_;
    QHash<QString, int> bySymbol_; ///< a stock's running item
    std::vector<bool> tookTurn_; ///< by item: its stock took its turn
    std::optional<int> market_;
    double marketJump_ = 1; ///< on every stock without news of its own, at the move that brings the market's
    Draw draw_;
};

/// The draw r (1 to 100) of a move under a tilt: one draw from the whole
/// table without one; else one for the side, then one within that half of
/// the table (50 to 100 up, 1 to 49 down).
int TiltedDraw(const Tilt& tilt, const Draw& draw);

/// A headline as it reads in English, and in the player's language.
QString English(const QString& phrase, const QString& company);
QString Shown(const QString& phrase, const QString& company);
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

/// A headline as the market keeps it: when, and what it says in the player's words.
struct Line {
    int64_t at = 0; ///< its row's bookmark
    QDateTime time;
    QString headline;
};
/// The market's headlines from the row after the bookmark on (0: all of
/// them), oldest first.
std::vector<Line> Read(dao::Database& market, int64_t after = 0);

} // namespace Market::News
