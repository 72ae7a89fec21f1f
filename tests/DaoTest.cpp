#include "support/GameFixture.h"
#include <gmock/gmock.h>

using namespace dao;

class DaoTest : public AppFolderTest {
protected:
    Database newGame()
    {
        Database db = Database::create(path("g.sav"));
        GameSchema::Create(db);
        return db;
    }
    static Value money(double v) { return Currency::fromDouble(v); }
};

TEST_F(DaoTest, NamesMatchWithoutRegardToCaseAndValuesKeepTheirFieldsTypes)
{
    Database db = Database::open(path("stocks.tqs"));
    Recordset rs = db.openTable("stocks information");
    EXPECT_EQ(rs.field("Stockcurrent price"), rs.field("Stockcurrent Price"));
    rs.edit();
    rs.setField("Stockcurrent price", 12.5);
    rs.update();
    EXPECT_EQ(rs.field("Stockcurrent Price"), money(12.5));
    Recordset empty = db.openSnapshot("ALDRQDAY"); // aggregates over no rows: one row of Nulls
    ASSERT_EQ(empty.recordCount(), 1);
    EXPECT_TRUE(empty.field("Min Of Price").isNull());
    EXPECT_EQ(db.openSnapshot("aldrq").field("Max Of Price").kind(), Value::Kind::Currency);

    Database g = newGame();
    EXPECT_TRUE(g.openSnapshot("result").field("sum of result").isNull());
    EXPECT_TRUE(g.openSnapshot("Position").eof());
    AddTrade(g, "", 12.34, Null{}, Null{});
    Recordset t = g.openTable("Traderesult");
    EXPECT_EQ(t.field("Symbol"), Value(QString())); // Null stays distinct from "" and 0
    EXPECT_TRUE(t.field("Units").isNull());
    t.edit(); // text and doubles as the fields hold them
    t.setField("Price", "1.23456");
    t.setField("Units", 2.5);
    t.update();
    EXPECT_EQ(t.field("Price").asCurrency().ticks(), 12346);
    EXPECT_EQ(t.field("Units").asLong(), 2);
    EXPECT_EQ(g.openSnapshot("POSITION").field("Sum Of units").kind(), Value::Kind::Long);
    EXPECT_THROW(t.setField("Price", "abc"), Error);
    EXPECT_THROW(t.setField("Units", 3e9), Error);
    EXPECT_THROW(t.setField("NoSuchField", 1), Error);
}

TEST_F(DaoTest, StoredQueriesKeepTheirTextAndAreViewsForAnySqliteClient)
{
    {
        Database g = newGame();
        EXPECT_EQ(g.querySql("position"), GameSchema::kPositionSql);
        AddTrade(g, "ABC", 2, 10, -20);
        AddTrade(g, "ABC", 2, -4, 8);
        EXPECT_THROW(g.querySql("Nope"), Error);
        // Stored SQL and names are one statement each: nothing can ride along.
        EXPECT_THROW(g.createQueryDef("Evil", "SELECT 1; DROP TABLE Traderesult"), Error);
        EXPECT_THROW(g.createQueryDef("Bad", "SELECT Nonsense FROM NoSuchTable;"), Error);
        const QString odd = "x\"(a); DROP TABLE Traderesult; --";
        g.appendTable(TableDef(odd, {{"a", FieldType::Long}})); // a name, quoted, never SQL
        EXPECT_TRUE(g.hasTable(odd));
        EXPECT_TRUE(g.hasTable("Traderesult"));
        EXPECT_THROW(g.openTable("NoSuchTable"), Error);
        EXPECT_TRUE(g.compiles("SELECT Min([Price]) FROM Traderesult"));
        EXPECT_FALSE(g.compiles("SELECT * FROM SELECT"));
        // Rows picked by their key's stored text, in stored order: quotes are data, a Null reads as "".
        for (const char* s : {"Q\"]1", "", "abc", "a\\b\t", "Q\"]1"})
            AddTrade(g, s, 1, 1, 0);
        AddTrade(g, "X", 1, 1, 0);
        Recordset nulls = g.openTable("Traderesult");
        nulls.moveLast();
        nulls.edit();
        nulls.setField("Symbol", Null{});
        nulls.update();
        QStringList picked;
        for (Recordset rs = g.openSnapshotWhere("Traderesult", {"Symbol"}, "symbol", {"Q\"]1", "", "a\\b\t", "nope"});
             !rs.eof(); rs.moveNext())
            picked << (rs.field("Symbol").isNull() ? "Null" : rs.field("Symbol").asText());
        EXPECT_EQ(picked, QStringList({"Q\"]1", "", "a\\b\t", "Q\"]1", "Null"}));
        EXPECT_THROW(g.openSnapshotWhere("Traderesult", {}, "Nope", {"A"}), Error);
    }
    releaseAll();
    EXPECT_TRUE(RawRows(path("g.sav"), "SELECT * FROM Position").contains("ABC|6"));
    EXPECT_EQ(RawRows(path("g.sav"), "SELECT * FROM Result"), QStringList({"-120000"}));
    EXPECT_EQ(RawRows(path("g.sav"), "SELECT Name FROM tq_querydefs"), QStringList({"Position", "Result"}));
}

TEST_F(DaoTest, TransactionsAreAllOrNothingSnapshotsHoldTheirRowsAndReadViewsRefuseWrites)
{
    Database g = newGame();
    {
        Transaction tx = g.beginTransaction();
        AddTrade(g, "A", 1, 1, -1);
    } // not committed
    EXPECT_EQ(g.openTable("Traderesult").recordCount(), 0);
    AddTrade(g, "A", 1, 1, -1);
    Recordset snap = g.openSnapshot("Traderesult");
    Recordset sums = g.openSnapshot("Result");
    {
        Transaction tx = g.beginTransaction();
        for (int i = 0; i < 1000; ++i)
            AddTrade(g, "A", 0.1, 1, 0.1);
        tx.commit();
    }
    EXPECT_EQ(snap.recordCount(), 1); // as of opening
    EXPECT_EQ(sums.field("Sum Of Result"), money(-1));
    EXPECT_THROW(snap.edit(), Error);
    EXPECT_EQ(g.openSnapshot("Result").field("Sum Of Result"), money(99)); // exact, not 99.00000000001
    {
        Transaction view = g.beginRead();
        Recordset rs = g.openTable("Traderesult");
        rs.edit();
        rs.setField("Symbol", "B");
        EXPECT_THROW(rs.update(), Error);
        EXPECT_THROW(rs.deleteCurrent(), Error);
    }
    AddTrade(g, "C", 1, 1, -1); // writable again after the view
    EXPECT_EQ(g.openTable("Traderesult").recordCount(), 1002);
}

TEST_F(DaoTest, AConnectionAStillOpenRecordsetHoldsIsNoSecondDatabasesAndDeletingAFileNeedsNoRelease)
{
    newGame().close();
    Database first = Database::open(path("g.sav"));
    Recordset rs = first.openTable("Traderesult");
    first.close(); // the recordset still holds its connection
    Database second = Database::open(path("g.sav"));
    rs.addNew();
    rs.setField("Symbol", "A");
    {
        Transaction view = second.beginRead(); // a view of the second's own, which the first waits for
        second.openSnapshot("Traderesult");
        try {
            rs.update();
            ADD_FAILURE() << "written inside another database's view";
        } catch (const Error& e) {
            EXPECT_THAT(e.what(), ::testing::HasSubstr("locked")) << "the second's view reached the first's recordset";
        }
    }
    rs.update();
    rs.close();
    second.close();
    ASSERT_TRUE(QFile::copy(path("g.sav"), path("g.sav-journal"))); // as a crash leaves one
    removeFile(path("g.sav"));
    EXPECT_FALSE(QFile::exists(path("g.sav-journal"))) << "a later file of this name would inherit it";
    newGame().close(); // a new file of the name is opened afresh
    EXPECT_EQ(Database::open(path("g.sav")).openTable("Traderesult").recordCount(), 0);
}

TEST(CurrencyText, PlainFormDropsTrailingZerosAndOverflowIsRefused)
{
    const std::pair<int64_t, const char*> cases[] = {{0, "0"}, {123400, "12.34"}, {-1234000, "-123.4"}, {5, "0.0005"},
        {5000000000, "500000"}, {INT64_MIN, "-922337203685477.5808"}};
    for (const auto& [ticks, text] : cases)
        EXPECT_EQ(Currency::fromTicks(ticks).toPlainString(), text);
    EXPECT_THROW(Currency::fromDouble(1e300), Error);
    EXPECT_THROW(Currency::fromTicks(INT64_MAX) + Currency::fromTicks(1), Error);
    EXPECT_EQ(Currency::fromTicks(5) - Currency::fromTicks(7), -Currency::fromTicks(2));
    EXPECT_EQ(Currency::fromTicks(123457) * 10, Currency::fromTicks(1234570)); // a price times units, exactly
    EXPECT_THROW(Currency::fromTicks(INT64_MAX / 2) * 3, Error);
}

// The board's Min/Max and the tick's row counts come from facts the data layer
// keeps instead of scanning; after every kind of write they must still be what
// the stored query and the rows themselves say, and the rows walk in stored order.
TEST_F(DaoTest, TheStatisticsOfRangesAndCountsAgreeWithTheFileAfterEveryWrite)
{
    Database db = Database::open(path("stocks.tqs"));
    auto check = [&](const char* step) {
        SCOPED_TRACE(step);
        Recordset q = db.openSnapshot("ALDRQ");
        const auto kept = db.minMax("ALDR", "Price");
        EXPECT_EQ(kept.first, q.field("Min Of Price"));
        EXPECT_EQ(kept.second, q.field("Max Of Price"));
        Recordset rs = db.openTable("ALDR");
        QStringList walked;
        for (; !rs.eof(); rs.moveNext())
            walked << (rs.field("Price").isNull() ? "NULL" : QString::number(rs.field("Price").asCurrency().ticks()));
        rs.moveNext(); // past the end it stays there
        EXPECT_THROW(rs.field("Price"), Error);
        EXPECT_EQ(walked, RawRows(path("stocks.tqs"), "SELECT Price FROM ALDR ORDER BY rowid"));
        EXPECT_EQ(rs.recordCount(), walked.size());
    };
    auto add = [&](const Value& price) {
        Recordset rs = db.openTable("ALDR");
        rs.addNew();
        rs.setField("Price", price);
        rs.update();
    };
    auto rowWith = [&](bool lowest) {
        const Value target = lowest ? db.minMax("ALDR", "Price").first : db.minMax("ALDR", "Price").second;
        Recordset rs = db.openTable("ALDR");
        while (!rs.eof() && !(rs.field("Price") == target))
            rs.moveNext();
        return rs;
    };
    check("first look");
    add(0.5);
    add(9999);
    add(Null{});
    check("new extremes and a Null added");
    db.openTable("ALDR").deleteFirst();
    check("oldest deleted");
    rowWith(true).deleteCurrent();
    check("lowest deleted");
    Recordset high = rowWith(false);
    high.edit();
    high.setField("Price", 1);
    high.update();
    check("highest edited");
    {
        Transaction tx = db.beginTransaction();
        add(0.01);
        EXPECT_EQ(db.minMax("ALDR", "Price").first, money(0.01));
    } // rolled back
    check("rolled back");
    {
        Database other = Database::open(path("stocks.tqs")); // a second connection, its own ranges
        ASSERT_NE(other.minMax("ALDR", "Price").second, money(50000));
        Recordset rs = other.openTable("ALDR");
        rs.addNew();
        rs.setField("Price", 50000);
        rs.update();
    }
    check("another connection wrote");
    db.deleteAll("ALDR");
    EXPECT_TRUE(db.minMax("ALDR", "Price").first.isNull());
    check("emptied");
}

TEST_F(DaoTest, AKeptJournalStaysBetweenChangesForEveryConnectionAndGoesWhenTheyClose)
{
    if (!kOpenFilesDeletable)
        GTEST_SKIP() << "kept only where another program may still delete it";
    const QString journal = path("stocks.tqs-journal");
    {
        Database first = Database::open(path("stocks.tqs"));
        first.keepJournal();
        first.createQueryDef("First", "SELECT 1");
        EXPECT_TRUE(QFile::exists(journal));
        Database second = Database::open(path("stocks.tqs")); // a connection of its own: the first is held
        second.createQueryDef("Second", "SELECT 2");
        EXPECT_TRUE(QFile::exists(journal)) << "one connection deleted the journal another keeps";
        EXPECT_EQ(checkFile(path("stocks.tqs"), {"Stocks Information"}).verdict, FileCheck::Verdict::Sound);
    }
    releaseAll();
    EXPECT_FALSE(QFile::exists(journal));
}

TEST_F(DaoTest, TheFileCheckReadsTheTablesOfAFileWithAJournalLeftByACrash)
{
    // A journal as a crash mid-transaction leaves it: saved while the changes were on their way.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path("m.tqs")).constData(), &db), SQLITE_OK);
    sqlite3_exec(db,
        "PRAGMA cache_size = 1; CREATE TABLE Other(x); INSERT INTO Other SELECT randomblob(900) FROM "
        "(WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50) SELECT i FROM n);"
        "BEGIN; UPDATE Other SET x = randomblob(900);",
        nullptr, nullptr, nullptr);
    ASSERT_TRUE(QFile::copy(path("m.tqs-journal"), path("saved")));
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ASSERT_TRUE(QFile::rename(path("saved"), path("m.tqs-journal")));
    EXPECT_EQ(checkFile(path("m.tqs"), {"Stocks Information"}).detail, "it holds no table \"Stocks Information\"");
    EXPECT_EQ(checkFile(path("m.tqs"), {"Other"}).verdict, FileCheck::Verdict::Sound);
    EXPECT_TRUE(QFile::exists(path("m.tqs-journal"))); // only read: the rollback is a writer's
}
