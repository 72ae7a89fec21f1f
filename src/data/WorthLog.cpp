#include "WorthLog.h"
#include "GameSchema.h"
#include "game/GameClock.h"
#include "ui/MsgBox.h"
#include <QCoreApplication>

namespace WorthLog {

namespace {
using GameSchema::kWorthTable, GameSchema::kTimeField, GameSchema::kCashField, GameSchema::kStocksField,
    GameSchema::kBalanceField;
/// The last failure, with the file it was of: another game has none.
std::pair<QString, QString>& lastFailure()
{
    static std::pair<QString, QString> fileAndText;
    return fileAndText;
}
} // namespace

bool Ensure(dao::Database& game)
{
    using dao::FieldType;
    return GameSchema::Ensure(game,
        dao::TableDef(kWorthTable,
            {{kTimeField, FieldType::DateTime}, {kCashField, FieldType::Currency}, {kStocksField, FieldType::Currency},
                {kBalanceField, FieldType::Currency}}));
}

void Append(dao::Database& game, const QDateTime& time, const Holdings::Worth& w)
{
    dao::Recordset rs = game.openTable(kWorthTable);
    rs.addNew();
    rs.setField(kTimeField, time);
    rs.setField(kCashField, w.cash);
    rs.setField(kStocksField, w.stocks ? dao::Value(*w.stocks) : dao::Value());
    rs.setField(kBalanceField, w.balance());
    rs.update();
}

void AppendStart(dao::Database& file, const QDateTime& start, dao::Currency startingBalance)
{
    Append(file, start, Holdings::WorthOf(file, startingBalance));
}

void RecordNow(const Game& game)
{
    try {
        dao::Database file = game.Open();
        const Holdings::Worth w = Holdings::WorthOf(file, game.StartingBalance);
        dao::Transaction tx = file.beginTransaction();
        Ensure(file);
        Append(file, game.Clock().Now(), w);
        tx.commit();
        lastFailure() = {};
    } catch (const std::exception& e) {
        lastFailure() = {game.Path(),
            Ui::Failure(QCoreApplication::translate("WorthLog", "The game's worth could not be recorded"), e)};
    }
}

QString LastFailure(const Game& game) { return lastFailure().first == game.Path() ? lastFailure().second : QString(); }

std::vector<Row> Read(dao::Database& game, int from)
{
    std::vector<Row> out;
    if (!game.hasTable(kWorthTable))
        return out;
    dao::Recordset rs = game.openSnapshotFrom(kWorthTable, from);
    const int n = rs.recordCount();
    out.reserve(size_t(n));
    for (int i = 0; i < n; ++i, rs.moveNext()) {
        const dao::Value time = rs.field(kTimeField), cash = rs.field(kCashField), stocks = rs.field(kStocksField),
                         balance = rs.field(kBalanceField);
        out.push_back({time.kind() == dao::Value::Kind::DateTime ? time.asDateTime() : QDateTime(),
            cash.isNull() ? dao::Currency() : cash.toCurrency(),
            stocks.isNull() ? std::nullopt : std::optional(stocks.toCurrency()),
            balance.isNull() ? dao::Currency() : balance.toCurrency()});
    }
    return out;
}

int Count(dao::Database& game) { return game.hasTable(kWorthTable) ? game.openTable(kWorthTable).recordCount() : 0; }

} // namespace WorthLog
