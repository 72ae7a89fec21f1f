#include "HallOfFame.h"
#include "GameSchema.h"
#include "MarketSchema.h"
#include "game/GameClock.h"
#include "ui/Numbers.h"
#include <QSet>
#include <algorithm>

namespace HallOfFame {

namespace {
double percentOf(dao::Currency part, dao::Currency whole)
{
    return whole.toDouble() == 0 ? 0 : (part.toDouble() / whole.toDouble() - 1) * 100;
}
QDateTime timeOf(const dao::Value& v) { return v.kind() == dao::Value::Kind::DateTime ? v.asDateTime() : QDateTime(); }
double numberOf(const dao::Value& v) { return v.isNumber() ? v.toDouble() : 0; }
bool sameGame(const Entry& a, const Entry& b) { return !a.game.isEmpty() && a.game == b.game; }
} // namespace

Entry Figures(const QString& player, const QString& game, dao::Currency startingBalance,
    const std::vector<WorthLog::Row>& rows, int trades, dao::Currency worth, std::optional<dao::Currency> market,
    bool news, const QDateTime& ended)
{
    Entry e{player, game, rows.empty() ? ended : rows.front().time, ended};
    QSet<QDate> days;
    for (const WorthLog::Row& r : rows)
        days.insert(r.time.date());
    days.insert(ended.date());
    e.days = int(days.size());
    e.trades = trades;
    e.worth = worth;
    e.gain = percentOf(worth, startingBalance);
    // The market's line starts where the game kept its prices, at the starting balance.
    e.marketGain = market ? percentOf(*market, startingBalance) : 0;
    e.beatBy = e.gain - e.marketGain;
    e.news = news;
    return e;
}

namespace {
int tradesIn(dao::Database& file) { return file.openTable(GameSchema::kTradeTable).recordCount(); }
} // namespace

int Trades(const Game& game)
{
    dao::Database file = game.Open();
    return tradesIn(file);
}

Entry Of(const Game& game)
{
    dao::Database file = game.Open();
    dao::Transaction view = file.beginRead();
    const std::vector<WorthLog::Row> rows = WorthLog::Read(file);
    const std::optional<dao::Currency> market =
        WorthLog::MarketWorthNow(WorthLog::StartPrices(file), game.StartingBalance);
    return Figures(game.PlayerName, game.Id, game.StartingBalance, rows, tradesIn(file),
        Holdings::WorthOf(file, game.StartingBalance).balance(), market, GameSchema::NewsOf(file), game.Clock().Now());
}

bool Before(const Entry& a, const Entry& b) { return a.beatBy != b.beatBy ? a.beatBy > b.beatBy : a.gain > b.gain; }

void Record(dao::Database& market, const Entry& e)
{
    using namespace MarketSchema;
    dao::Transaction tx = market.beginTransaction();
    EnsureHall(market);
    dao::Recordset rs = market.openTable(kHallTable);
    for (int i = 0, n = rs.recordCount(); i < n; ++i, rs.moveNext())
        if (sameGame({{}, Numbers::PlainText(rs.field(kHallGameField))}, e))
            rs.deleteCurrent();
    rs.addNew();
    rs.setField(kHallPlayerField, e.player);
    rs.setField(kHallGameField, e.game);
    rs.setField(kStartedField, e.started);
    rs.setField(kEndedField, e.ended);
    rs.setField(kDaysField, e.days);
    rs.setField(kTradesField, e.trades);
    rs.setField(kWorthField, e.worth);
    rs.setField(kReturnField, e.gain);
    rs.setField(kMarketReturnField, e.marketGain);
    rs.setField(kBeatByField, e.beatBy);
    rs.setField(kHallNewsField, GameSchema::YesNo(e.news));
    rs.update();
    rs.close();
    tx.commit();
}

std::vector<Entry> Best(dao::Database& market, int places)
{
    using namespace MarketSchema;
    std::vector<Entry> all;
    if (!market.hasTable(kHallTable))
        return all;
    const bool hasGame = market.hasField(kHallTable, kHallGameField);
    dao::Recordset rs = market.openSnapshot(kHallTable);
    for (int i = 0, n = rs.recordCount(); i < n; ++i, rs.moveNext()) {
        const dao::Value worth = rs.field(kWorthField);
        all.push_back({Numbers::PlainText(rs.field(kHallPlayerField)),
            hasGame ? Numbers::PlainText(rs.field(kHallGameField)) : QString(), timeOf(rs.field(kStartedField)),
            timeOf(rs.field(kEndedField)), int(numberOf(rs.field(kDaysField))), int(numberOf(rs.field(kTradesField))),
            worth.isNumber() ? worth.toCurrency() : dao::Currency(), numberOf(rs.field(kReturnField)),
            numberOf(rs.field(kMarketReturnField)), numberOf(rs.field(kBeatByField)),
            GameSchema::IsYes(rs.field(kHallNewsField))});
    }
    std::stable_sort(all.begin(), all.end(), Before);
    if (int(all.size()) > places)
        all.resize(size_t(places));
    return all;
}

std::optional<int> PlaceOf(const std::vector<Entry>& best, const Entry& e)
{
    for (size_t i = 0; i < best.size(); ++i)
        if (sameGame(best[i], e))
            return int(i) + 1;
    return std::nullopt;
}

} // namespace HallOfFame
