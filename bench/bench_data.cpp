// Per-row costs of the data layer.
#include "BenchSupport.h"
#include "dao/Dao.h"
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <optional>

static void BM_OpenDatabase(benchmark::State& state)
{
    BenchMarket market(100);
    for (auto _ : state) {
        dao::Database db = dao::Database::open(market.market());
        benchmark::DoNotOptimize(db.isOpen());
    }
}
BENCHMARK(BM_OpenDatabase);

static void BM_OpenDatabaseCold(benchmark::State& state)
{
    BenchMarket market(100);
    for (auto _ : state) {
        dao::releaseAll();
        dao::Database db = dao::Database::open(market.market());
        benchmark::DoNotOptimize(db.isOpen());
    }
}
BENCHMARK(BM_OpenDatabaseCold);

namespace {
struct RowTable {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("rows.tqs"));
    explicit RowTable(int rows)
    {
        dao::Database db = dao::Database::create(path);
        db.appendTable(dao::TableDef(QStringLiteral("Rows"),
            {{QStringLiteral("Name"), dao::FieldType::Text}, {QStringLiteral("Price"), dao::FieldType::Currency}}));
        dao::Transaction tx = db.beginTransaction();
        dao::Recordset rs = db.openTable(QStringLiteral("Rows"));
        for (int i = 0; i < rows; ++i) {
            rs.addNew();
            rs.setField(QStringLiteral("Name"), QStringLiteral("row%1").arg(i));
            rs.setField(QStringLiteral("Price"), i * 0.25);
            rs.update();
        }
        rs.close();
        tx.commit();
    }
};
} // namespace

static void walk(dao::Database& db)
{
    dao::Recordset rs = db.openTable(QStringLiteral("Rows"));
    const int n = rs.recordCount();
    for (int i = 0; i < n; ++i) {
        benchmark::DoNotOptimize(rs.field(QStringLiteral("price")));
        rs.moveNext();
    }
}

/// A table's rows walked from first to last; with range(0), under one read lock.
static void BM_WalkTable1000(benchmark::State& state)
{
    RowTable t(1000);
    dao::Database db = dao::Database::open(t.path);
    for (auto _ : state) {
        std::optional<dao::Transaction> view;
        if (state.range(0))
            view.emplace(db.beginRead());
        walk(db);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_WalkTable1000)->Arg(0)->Arg(1);

static void BM_Snapshot1000(benchmark::State& state)
{
    RowTable t(1000);
    dao::Database db = dao::Database::open(t.path);
    for (auto _ : state) {
        dao::Recordset rs = db.openSnapshot(QStringLiteral("Rows"));
        for (int i = 0; i < 1000; ++i) {
            benchmark::DoNotOptimize(rs.field(QStringLiteral("price")));
            rs.moveNext();
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_Snapshot1000);

// Each stored by itself, as a trade row is: one commit per row.
static void BM_AddRowAutocommit(benchmark::State& state)
{
    RowTable t(0);
    dao::Database db = dao::Database::open(t.path);
    dao::Recordset rs = db.openTable(QStringLiteral("Rows"));
    for (auto _ : state) {
        rs.addNew();
        rs.setField(QStringLiteral("Name"), QStringLiteral("x"));
        rs.setField(QStringLiteral("Price"), 12.34);
        rs.update();
    }
}
BENCHMARK(BM_AddRowAutocommit);

static void BM_AddAndUpdateRowInTransaction(benchmark::State& state)
{
    RowTable t(0);
    dao::Database db = dao::Database::open(t.path);
    dao::Transaction tx = db.beginTransaction();
    dao::Recordset rs = db.openTable(QStringLiteral("Rows"));
    for (auto _ : state) {
        rs.addNew();
        rs.setField(QStringLiteral("Name"), QStringLiteral("x"));
        rs.update();
        rs.moveLast();
        rs.edit();
        rs.setField(QStringLiteral("Price"), 1.5);
        rs.update();
    }
    tx.commit();
}
BENCHMARK(BM_AddAndUpdateRowInTransaction);

BENCHMARK_MAIN();
