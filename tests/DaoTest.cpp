#include "data/dao/Dao.h"
#include "data/MarketSchema.h"
#include "support/Fixtures.h"
#include <QFile>

using namespace dao;

namespace {

class DaoTest : public AppFolderTest {
protected:
    Database newGameLikeFile()
    {
        Database db = Database::create(path("g.sav"));
        TableDef t("Traderesult");
        t.appendField(t.createField("Symbol", FieldType::Text));
        t.appendField(t.createField("Price", FieldType::Currency));
        t.appendField(t.createField("Units", FieldType::Long));
        t.appendField(t.createField("Result", FieldType::Currency));
        db.appendTable(t);
        db.createQueryDef("Position", GameSchema::kPositionSql);
        db.createQueryDef("Result", GameSchema::kResultSql);
        return db;
    }
    static void addTrade(Database& db, const QString& sym, Value price, Value units, Value result)
    {
        Recordset rs = db.openTable("Traderesult");
        rs.addNew();
        rs.setField("Symbol", sym);
        rs.setField("Price", price);
        rs.setField("Units", units);
        rs.setField("Result", result);
        rs.update();
    }
};

TEST_F(DaoTest, NamesOfTablesFieldsAndQueriesMatchWithoutRegardToCase)
{
    Database db = Database::open(path("stocks.tqs"));
    Recordset rs = db.openTable("stocks information");
    const Value a = rs.field("Stockcurrent Price");
    EXPECT_EQ(rs.field("Stockcurrent price"), a);
    EXPECT_EQ(rs.field("VOLUME"), rs.field("volume"));
    rs.edit();
    rs.setField("Stockcurrent price", 12.5);
    rs.update();
    EXPECT_EQ(rs.field("Stockcurrent Price"), Value(Currency::fromDouble(12.5)));

    Database g = newGameLikeFile();
    Recordset result = g.openSnapshot("result");
    EXPECT_TRUE(result.field("sum of result").isNull());
    addTrade(g, "ABC", 12.34, 10, -123.4);
    Recordset pos = g.openSnapshot("POSITION");
    EXPECT_EQ(pos.field("Sum Of units"), pos.field("Sum Of Units"));
}

TEST_F(DaoTest, TableRowsKeepStoredOrderAndNavigationStopsAtTheEnds)
{
    Database db = Database::create(path("t.tqs"));
    TableDef t("T");
    t.appendField(t.createField("Price", FieldType::Currency));
    db.appendTable(t);
    Recordset rs = db.openTable("T");
    EXPECT_TRUE(rs.bof() && rs.eof());
    EXPECT_EQ(rs.recordCount(), 0);
    for (int i = 1; i <= 4; ++i) {
        rs.addNew();
        rs.setField("Price", i);
        rs.update();
    }
    rs.moveFirst();
    rs.deleteCurrent(); // the oldest goes
    rs.addNew();
    rs.setField("Price", 5);
    rs.update();
    Recordset walk = db.openTable("t");
    EXPECT_EQ(walk.recordCount(), 4);
    std::vector<int64_t> seen;
    for (int i = 0; i < 6; ++i) { // two moves past the end stay at the end
        if (!walk.eof())
            seen.push_back(walk.field("Price").asCurrency().ticks() / 10000);
        walk.moveNext();
    }
    EXPECT_EQ(seen, (std::vector<int64_t>{2, 3, 4, 5}));
    EXPECT_TRUE(walk.eof());
    walk.movePrevious();
    EXPECT_EQ(walk.field("Price"), Value(Currency::fromDouble(5)));
    walk.moveFirst();
    walk.movePrevious();
    EXPECT_TRUE(walk.bof());
    EXPECT_THROW(walk.field("Price"), Error);
}

TEST_F(DaoTest, SnapshotHoldsTheRowsAsOfOpening)
{
    Database g = newGameLikeFile();
    addTrade(g, "ABC", 1, 1, -1);
    Recordset snap = g.openSnapshot("Traderesult");
    Recordset sums = g.openSnapshot("Result");
    addTrade(g, "XYZ", 2, 2, -4);
    EXPECT_EQ(snap.recordCount(), 1);
    EXPECT_EQ(sums.field("Sum Of Result"), Value(Currency::fromDouble(-1)));
    EXPECT_THROW(snap.edit(), Error);
    EXPECT_EQ(g.openSnapshot("Result").field("Sum Of Result"), Value(Currency::fromDouble(-5)));
}

TEST_F(DaoTest, AggregatesOverAnEmptyTableAreOneRowOfNulls)
{
    Database db = Database::open(path("stocks.tqs"));
    Recordset empty = db.openSnapshot("ALDRQDAY");
    ASSERT_EQ(empty.recordCount(), 1);
    EXPECT_TRUE(empty.field("Min Of Price").isNull());
    EXPECT_TRUE(empty.field("Max Of Price").isNull());
    Recordset history = db.openSnapshot("aldrq");
    EXPECT_EQ(history.field("Min Of Price").kind(), Value::Kind::Currency);

    Database g = newGameLikeFile();
    Recordset pos = g.openSnapshot("Position");
    EXPECT_EQ(pos.recordCount(), 0);
    EXPECT_TRUE(pos.eof());
}

TEST_F(DaoTest, CurrencyIsExactThroughStorageAndSums)
{
    Database g = newGameLikeFile();
    addTrade(g, "ABC", 12.34, 1, 0.1);
    EXPECT_EQ(g.openTable("Traderesult").field("Price"), Value(Currency::fromTicks(123400)));
    {
        Transaction tx = g.beginTransaction();
        for (int i = 1; i < 1000; ++i)
            addTrade(g, "ABC", 0.1, 1, 0.1);
        tx.commit();
    }
    const Value sum = g.openSnapshot("Result").field("Sum Of Result");
    ASSERT_EQ(sum.kind(), Value::Kind::Currency);
    EXPECT_EQ(sum.asCurrency(), Currency::fromTicks(100 * 10000));
    EXPECT_EQ(sum.asCurrency().toPlainString(), "100");
    // Doubles written into Currency round to four decimals; into Long, to whole numbers.
    Recordset rs = g.openTable("Traderesult");
    rs.edit();
    rs.setField("Price", 1.23456);
    rs.setField("Units", 2.5);
    rs.update();
    EXPECT_EQ(rs.field("Price").asCurrency().ticks(), 12346);
    EXPECT_EQ(rs.field("Units").asLong(), 2);
    EXPECT_EQ(g.openSnapshot("Position").field("Sum Of Units").kind(), Value::Kind::Long);
}

TEST_F(DaoTest, NullStaysDistinctFromZeroAndEmptyText)
{
    Database g = newGameLikeFile();
    addTrade(g, "", 0, Null{}, Null{});
    Recordset rs = g.openSnapshot("Traderesult");
    EXPECT_EQ(rs.field("Symbol"), Value(QString()));
    EXPECT_FALSE(rs.field("Symbol").isNull());
    EXPECT_EQ(rs.field("Price"), Value(Currency()));
    EXPECT_TRUE(rs.field("Units").isNull());
    EXPECT_TRUE(rs.field("Result").isNull());
}

TEST_F(DaoTest, TextInCurrencyFieldsReadsTheNumberAndRefusesOtherText)
{
    Database g = newGameLikeFile();
    Recordset rs = g.openTable("Traderesult");
    rs.addNew();
    rs.setField("Price", "12.3400");
    EXPECT_EQ(rs.field("Price"), Value(Currency::fromTicks(123400)));
    EXPECT_THROW(rs.setField("Price", "abc"), Error);
    EXPECT_THROW(rs.setField("Units", 3e9), Error);
    EXPECT_THROW(rs.setField("NoSuchField", 1), Error);
}

TEST_F(DaoTest, StoredQueriesKeepTheirTextAndAreViewsForAnySqliteClient)
{
    {
        Database g = newGameLikeFile();
        EXPECT_EQ(g.querySql("position"), GameSchema::kPositionSql);
        EXPECT_EQ(g.queryNames(), QStringList({"Position", "Result"}));
        EXPECT_EQ(g.tableNames(), QStringList({"Traderesult"}));
        addTrade(g, "ABC", 2, 10, -20);
        addTrade(g, "ABC", 2, -4, 8);
        EXPECT_THROW(g.querySql("Nope"), Error);
        // Stored SQL and names are one statement each: nothing can ride along.
        EXPECT_THROW(g.createQueryDef("Evil", "SELECT 1; DROP TABLE Traderesult"), Error);
        const QString odd = "x\"(a); DROP TABLE Traderesult; --";
        g.appendTable(TableDef(odd, {{"a", FieldType::Long}})); // a name, quoted, never SQL
        EXPECT_TRUE(g.hasTable(odd));
        EXPECT_TRUE(g.hasTable("Traderesult"));
        EXPECT_EQ(g.queryNames(), QStringList({"Position", "Result"}));
    }
    releaseAll();
    EXPECT_EQ(RawRows(path("g.sav"), "SELECT * FROM Position"), QStringList({"ABC|6"}));
    EXPECT_EQ(RawRows(path("g.sav"), "SELECT * FROM Result"), QStringList({"-120000"}));
    EXPECT_EQ(RawRows(path("g.sav"), "PRAGMA integrity_check"), QStringList({"ok"}));
}

TEST_F(DaoTest, CreateRefusesAnExistingFileAndLeavesItAlone)
{
    QFile f(path("taken.sav"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("precious");
    f.close();
    EXPECT_THROW(Database::create(path("taken.sav")), Error);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "precious");
}

TEST_F(DaoTest, EngineErrorsCarrySqliteMessagesAndKeepEarlierUpdates)
{
    try {
        Database::open(path("missing.tqs"));
        FAIL() << "opened a missing file";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("missing.tqs"), std::string::npos);
    }
    EXPECT_FALSE(QFile::exists(path("missing.tqs")));

    QFile junk(path("junk.tqs"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    try {
        Database::open(path("junk.tqs"));
        FAIL() << "opened a damaged file";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("not a database"), std::string::npos) << e.what();
    }

    Database g = newGameLikeFile();
    addTrade(g, "ABC", 1, 1, -1);
    try {
        g.createQueryDef("Bad", "SELECT Nonsense FROM NoSuchTable;");
        FAIL() << "stored a broken query";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("no such table"), std::string::npos) << e.what();
    }
    EXPECT_THROW(g.openTable("NoSuchTable"), Error);
    EXPECT_THROW(g.querySql("Bad"), Error);
    EXPECT_EQ(g.openTable("Traderesult").recordCount(), 1);
}

TEST_F(DaoTest, TransactionIsAllOrNothing)
{
    Database g = newGameLikeFile();
    {
        Transaction tx = g.beginTransaction();
        addTrade(g, "A", 1, 1, -1);
        addTrade(g, "B", 1, 1, -1);
    } // not committed
    EXPECT_EQ(g.openTable("Traderesult").recordCount(), 0);
    {
        Transaction tx = g.beginTransaction();
        addTrade(g, "A", 1, 1, -1);
        tx.commit();
    }
    EXPECT_EQ(g.openTable("Traderesult").recordCount(), 1);
}

TEST_F(DaoTest, AReadViewRefusesWritesThatItWouldUndo)
{
    Database g = newGameLikeFile();
    addTrade(g, "A", 1, 1, -1);
    {
        Transaction view = g.beginRead();
        Recordset rs = g.openTable("Traderesult");
        EXPECT_EQ(rs.field("Symbol"), Value("A"));
        rs.edit();
        rs.setField("Symbol", "B");
        EXPECT_THROW(rs.update(), Error);
        EXPECT_THROW(rs.deleteCurrent(), Error);
    }
    addTrade(g, "C", 1, 1, -1); // writable again after the view
    EXPECT_EQ(g.openTable("Traderesult").recordCount(), 2);
}

TEST_F(DaoTest, ReopeningSeesAFileReplacedBehindItsBack)
{
    {
        Database g = newGameLikeFile();
        addTrade(g, "A", 1, 1, -1);
    } // its connection stays cached
    ASSERT_TRUE(QFile::remove(path("g.sav")));
    {
        Database g = newGameLikeFile();
        EXPECT_EQ(g.openTable("Traderesult").recordCount(), 0);
    }
    ASSERT_TRUE(QFile::remove(path("g.sav")));
    EXPECT_THROW(Database::open(path("g.sav")), Error);
}

TEST(CurrencyText, PlainFormDropsTrailingZeros)
{
    struct Case {
        int64_t ticks;
        const char* text;
    } cases[] = {{0, "0"}, {123400, "12.34"}, {-1234000, "-123.4"}, {5, "0.0005"}, {5000000000, "500000"},
        {INT64_MIN, "-922337203685477.5808"}};
    for (const Case& c : cases)
        EXPECT_EQ(Currency::fromTicks(c.ticks).toPlainString(), c.text);
    EXPECT_THROW(Currency::fromDouble(1e300), Error);
    EXPECT_THROW(Currency::fromTicks(INT64_MAX) + Currency::fromTicks(1), Error);
    EXPECT_EQ(Currency::fromTicks(-1234000) + Currency::fromTicks(5000000000), Currency::fromTicks(4998766000));
    EXPECT_EQ(Currency::fromTicks(5) - Currency::fromTicks(7), Currency::fromTicks(-2));
    EXPECT_EQ(-Currency::fromTicks(5), Currency::fromTicks(-5));
}

} // namespace
