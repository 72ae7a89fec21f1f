#include "app/kit/Module1.h"
#include "app/kit/Numbers.h"
#include "assets/Form6.h"
#include "assets/Form7.h"
#include "assets/Symbols.h"
#include "market/Form4.h"
#include "market/Form9.h"
#include "support/GameFixture.h"
#include "trading/Form1.h"
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

using namespace dao;

namespace {

class AssetsTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        startGame("Lister");
    }
    Form6* openAdd()
    {
        ed->mnuToolsItem(0)->trigger();
        Form6* f = Forms::IfLoaded<Form6>();
        EXPECT_TRUE(f && f->isVisible() && f->isModal());
        return f;
    }
    /// Types into the Add Asset window's boxes and presses Enter.
    void add(const QString& name, const QString& symbol, const QString& price, const QString& min = {},
        const QString& max = {}, const QString& volume = {})
    {
        Form6* f = openAdd();
        ASSERT_NE(f, nullptr);
        const std::pair<QLineEdit*, QString> boxes[] = {{f->Text1, name}, {f->Text2, symbol}, {f->Text3, price},
            {f->Text4, min}, {f->Text5, max}, {f->Text6, volume}};
        for (const auto& [box, text] : boxes)
            QTest::keyClicks(box, text);
        QTest::mouseClick(f->Command1, Qt::LeftButton);
        ProcessDeletions();
        EXPECT_EQ(Forms::IfLoaded<Form6>(), nullptr); // closed whatever the outcome
    }
    QByteArray marketBytes() const { return fileBytes("stocks.tqs").value_or(QByteArray()); }
    std::optional<Stock> stock(const QString& symbol)
    {
        for (const Stock& s : stocks())
            if (s.symbol == symbol)
                return s;
        return std::nullopt;
    }

    Form7* openEdit()
    {
        ed->mnuToolsItem(1)->trigger();
        return Forms::IfLoaded<Form7>();
    }
    void pick(Form7* f, const QString& symbol)
    {
        f->editstock->setCurrentIndex(f->editstock->findText(symbol) - 1);
        QTest::keyClick(f->editstock, Qt::Key_Down);
        ASSERT_EQ(f->editstock->currentText(), symbol);
    }
    static void retype(QLineEdit* box, const QString& text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void setRow(const QString& symbol, Value price, Value min, Value max, Value volume)
    {
        setFields(symbol, {{"Stockcurrent Price", price}, {"Min", min}, {"Max", max}, {"Volume", volume}});
    }
};

TEST_F(AssetsTest, AddsTheStockWithItsHistoryAndQueries)
{
    const int before = int(stocks().size());
    add("Alpha", "ALP", "12.5");
    EXPECT_TRUE(msgs.messages.empty());
    const auto s = stocks();
    ASSERT_EQ(int(s.size()), before + 1);
    const Stock& alp = s.back();
    EXPECT_EQ(alp.symbol, "ALP");
    EXPECT_EQ(alp.price, Value(Currency::fromDouble(12.5)));
    EXPECT_EQ(alp.min, Value(Currency()));
    EXPECT_EQ(alp.max, Value(Currency()));
    EXPECT_EQ(alp.volume, Value(0.0));
    EXPECT_EQ(alp.historyRows, 201);
    EXPECT_EQ(alp.dayRows, 0);
    EXPECT_EQ(RawRows(path("stocks.tqs"), "SELECT stockname FROM [Stocks Information] WHERE stocksymbol = 'ALP'"),
        QStringList({"Alpha"}));
    EXPECT_EQ(RawRows(path("stocks.tqs"),
                  "SELECT COUNT(*), SUM(Price = 0) FROM ALP WHERE rowid < (SELECT MAX(rowid) FROM ALP)"),
        QStringList({"200|200"}));
    EXPECT_EQ(RawRows(path("stocks.tqs"), "SELECT * FROM ALPQ"), QStringList({"0|125000"}));
    Database db = market();
    EXPECT_EQ(db.querySql("ALPQ"), "SELECT Min([Price]) AS [Min Of Price], Max([Price]) AS [Max Of Price] FROM ALP");
    EXPECT_EQ(
        db.querySql("ALPQDAY"), "SELECT Min([Price]) AS [Min Of Price], Max([Price]) AS [Max Of Price] FROM ALPDAY");
}

TEST_F(AssetsTest, TheNewStockIsSeenEverywhereWithoutARestart)
{
    add("Alpha", "ALP", "12.5", "1", "20", "300");
    ed->mnuAssetitem(0)->trigger();
    EXPECT_GE(Forms::IfLoaded<Form1>()->Combo1->findText("ALP"), 0);
    ed->mnuAssetitem(2)->trigger();
    EXPECT_GE(Forms::IfLoaded<Form9>()->chartstock->findText("ALP"), 0);
    ed->mnuAssetitem(1)->trigger();
    const FlexGrid& g = *Forms::IfLoaded<Form4>()->MSFlexGrid1;
    EXPECT_EQ(GridRows(g).last(), "ALP|12.5|1|20|300|0|12.5");
    ScriptDraws({100});
    Module1::MarketTick();
    EXPECT_EQ(stock("ALP")->historyRows, 201);
    EXPECT_EQ(stock("ALP")->dayRows, 1);
    EXPECT_EQ(GridRows(g).last().split('|')[0], "ALP");
}

TEST_F(AssetsTest, TheChecksAndTheirMessages)
{
    struct Case {
        const char *name, *symbol, *price;
        QString message;
    };
    const Case cases[] = {
        {"Alpha", "", "12.5", "Fill the necessary information"},
        {"", "ALP", "12.5", "Fill the necessary information"},
        {"Alpha", "ALP", "", "Fill the necessary information"},
        {"Aldren", "ALDR", "12.5", "This stock already exist in your game!"},
    };
    const QByteArray before = marketBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.symbol);
        msgs.messages.clear();
        add(c.name, c.symbol, c.price);
        EXPECT_EQ(msgs.texts(), QStringList({c.message}));
        EXPECT_EQ(msgs.messages.back().caption, "Varnel Ticora");
    }
    dao::releaseAll();
    EXPECT_EQ(marketBytes(), before);
    // Letters in the price box pass the check and store 0; so does a second ALP.
    msgs.messages.clear();
    add("Alpha", "ALP", "abc");
    EXPECT_EQ(stock("ALP")->price, Value(Currency()));
    add("Alpha again", "ALP", "3");
    EXPECT_EQ(msgs.texts(), QStringList({"This stock already exist in your game!"}));
}

TEST_F(AssetsTest, SymbolsThatCannotNameTablesAreRefusedBeforeAnythingIsWritten)
{
    add("Gamma", "GAM", "1"); // for the DAY and Q clashes below
    dao::releaseAll();
    const QByteArray before = marketBytes();
    struct Case {
        const char* symbol;
        const char* why;
    };
    const Case cases[] = {
        {"aldr", "would clash"}, // a lower-case twin
        {"GAMDAY", "would clash"}, // a listed stock's intraday table
        {"GAMQ", "would clash"}, // its range query
        {"GA", nullptr}, // allowed: GADAY, GAQ... are free
        {"AB C", "starts with a letter"},
        {"AB'C", "starts with a letter"},
        {"AB;DROP", "starts with a letter"},
        {"SELECT", "word of the database language"},
        {"From", "word of the database language"},
        {"1ABC", "starts with a letter"},
        {"_ABC", "starts with a letter"},
        {"ÄBC", "starts with a letter"},
        {"ABCÉ", "starts with a letter"},
        {"tq_querydefs", "would clash"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.symbol);
        msgs.messages.clear();
        if (!c.why) {
            EXPECT_EQ(Assets::SymbolFormProblem(c.symbol), "");
            continue;
        }
        add("Refused", QString::fromUtf8(c.symbol), "5");
        ASSERT_EQ(msgs.messages.size(), 1u);
        EXPECT_TRUE(msgs.messages[0].text.contains(c.why)) << msgs.messages[0].text.toStdString();
        EXPECT_EQ(msgs.messages[0].caption, "Add Asset");
        dao::releaseAll();
        EXPECT_EQ(marketBytes(), before);
    }
}

TEST_F(AssetsTest, WordsOfTheDatabaseLanguageThatNameTablesAreListedAndMove)
{
    for (const char* symbol : {"KEY", "PLAN", "ROW"})
        add(QString("The ") + symbol + " company", symbol, "20");
    EXPECT_TRUE(msgs.messages.empty()) << msgs.texts().join('\n').toStdString();
    setClock(at(0, 10, 0));
    Module1::MarketTick();
    EXPECT_TRUE(msgs.messages.empty()) << msgs.texts().join('\n').toStdString();
    for (const char* symbol : {"KEY", "PLAN", "ROW"}) {
        SCOPED_TRACE(symbol);
        const auto s = stock(symbol);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(s->dayRows, 1);
        EXPECT_EQ(RawRows(path("stocks.tqs"), QString("SELECT * FROM %1Q").arg(symbol)),
            RawRows(path("stocks.tqs"), QString("SELECT min(Price), max(Price) FROM \"%1\"").arg(symbol)));
    }
}

TEST_F(AssetsTest, AFailureAfterTheRowIsWrittenLeavesTheMarketAsItWas)
{
    // The last step, saving the second query, is made to fail.
    RawRows(path("stocks.tqs"),
        "CREATE TRIGGER fail_late AFTER INSERT ON tq_querydefs WHEN NEW.Name = 'ALPQDAY' "
        "BEGIN SELECT RAISE(ABORT, 'disk trouble'); END");
    dao::releaseAll();
    const QByteArray before = marketBytes();
    add("Alpha", "ALP", "12.5");
    ASSERT_EQ(msgs.messages.size(), 1u);
    EXPECT_TRUE(msgs.messages[0].text.contains("could not be added")) << msgs.messages[0].text.toStdString();
    EXPECT_EQ(msgs.messages[0].icon, Ui::Icon::Critical);
    dao::releaseAll();
    EXPECT_EQ(marketBytes(), before);
    EXPECT_FALSE(stock("ALP").has_value());
}

TEST_F(AssetsTest, EditShowsThePickedStockAndAnUntouchedEnterChangesNothing)
{
    setRow("ALDR", 10.25, Null{}, 12, 500);
    for (QLocale locale : {QLocale::c(), QLocale(QLocale::German)}) {
        SCOPED_TRACE(locale.name().toStdString());
        QLocale::setDefault(locale);
        msgs.messages.clear();
        Form7* f = openEdit();
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->editstock->count(), int(stocks().size()));
        pick(f, "ALDR");
        EXPECT_EQ(f->Text1->text(), "Aldren Mining");
        EXPECT_EQ(f->Text2->text(), Numbers::PlainText(10.25));
        EXPECT_EQ(f->Text3->text(), ""); // a stored Null
        dao::releaseAll();
        const QByteArray before = marketBytes();
        QTest::mouseClick(f->Command1, Qt::LeftButton);
        ProcessDeletions();
        EXPECT_EQ(msgs.texts(), QStringList({"No changes were made!"}));
        dao::releaseAll();
        EXPECT_EQ(marketBytes(), before);
        EXPECT_EQ(Forms::IfLoaded<Form7>(), nullptr);
    }
    QLocale::setDefault(QLocale::c());
}

TEST_F(AssetsTest, EditStoresTheChangesInTheirOrder)
{
    struct Case {
        const char* name;
        double price, min, max, volume; ///< stored before
        const char *typedPrice, *typedMin, *typedMax, *typedVolume; ///< nullptr: left as shown
        double newPrice, newMin, newMax, newVolume;
        bool unchangedMessage;
    };
    const Case cases[] = {
        {"volume only", 10, 8, 12, 100, nullptr, nullptr, nullptr, "250", 10, 8, 12, 250, true},
        {"price above Max", 10, 8, 12, 100, "15", nullptr, nullptr, nullptr, 15, 8, 15, 100, false},
        {"price below Min, new Min typed", 10, 8, 12, 100, "5", "4", nullptr, nullptr, 5, 4, 12, 100, false},
        {"price below Min", 10, 8, 12, 100, "5", nullptr, nullptr, nullptr, 5, 5, 12, 100, false},
        {"letters store 0", 10, 8, 12, 100, nullptr, "x", nullptr, nullptr, 10, 0, 12, 100, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        msgs.messages.clear();
        setRow("BRKW", c.price, c.min, c.max, c.volume);
        Form7* f = openEdit();
        pick(f, "BRKW");
        if (c.typedPrice)
            retype(f->Text2, c.typedPrice);
        if (c.typedMin)
            retype(f->Text3, c.typedMin);
        if (c.typedVolume)
            retype(f->Text4, c.typedVolume);
        if (c.typedMax)
            retype(f->Text5, c.typedMax);
        QTest::mouseClick(f->Command1, Qt::LeftButton);
        ProcessDeletions();
        const Stock s = *stock("BRKW");
        EXPECT_EQ(s.price.toDouble(), c.newPrice);
        EXPECT_EQ(s.min.toDouble(), c.newMin);
        EXPECT_EQ(s.max.toDouble(), c.newMax);
        EXPECT_EQ(s.volume.toDouble(), c.newVolume);
        EXPECT_EQ(s.historyRows, 201); // the history is not touched
        EXPECT_EQ(msgs.texts(), c.unchangedMessage ? QStringList({"No changes were made!"}) : QStringList());
    }
}

TEST_F(AssetsTest, EditAcrossATickWritesOnlyWhatThePlayerChanged)
{
    setClock(at(0, 10, 0));
    for (const char* volume : {static_cast<const char*>(nullptr), "777"}) {
        SCOPED_TRACE(volume ? volume : "untouched");
        msgs.messages.clear();
        Form7* f = openEdit();
        pick(f, "ALDR");
        if (volume)
            retype(f->Text4, volume);
        ScriptDraws({100, 3});
        Module1::MarketTick();
        Module1::MarketTick();
        const Stock ticked = *stock("ALDR");
        dao::releaseAll();
        const QByteArray before = marketBytes();
        QTest::mouseClick(f->Command1, Qt::LeftButton);
        ProcessDeletions();
        EXPECT_EQ(msgs.texts(), QStringList({"No changes were made!"}));
        const Stock after = *stock("ALDR");
        EXPECT_EQ(after.price, ticked.price);
        EXPECT_EQ(after.min, ticked.min);
        EXPECT_EQ(after.max, ticked.max);
        EXPECT_EQ(after.volume.toDouble(), volume ? 777 : ticked.volume.toDouble());
        dao::releaseAll();
        if (!volume) {
            EXPECT_EQ(marketBytes(), before);
        }
    }
}

TEST_F(AssetsTest, EditWithNothingPickedChangesNothing)
{
    Form7* f = openEdit();
    EXPECT_TRUE(f->isModal());
    retype(f->Text2, "99");
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    ProcessDeletions();
    EXPECT_EQ(msgs.texts(), QStringList({"No changes were made!"}));
    EXPECT_EQ(Forms::IfLoaded<Form7>(), nullptr);
    for (const Stock& s : stocks())
        EXPECT_NE(s.price.toDouble(), 99);
}

TEST_F(AssetsTest, BoxesAreNamedByTheirLabels)
{
    Form6* add = openAdd();
    for (QLabel* l : {add->Label1, add->Label2, add->Label3, add->Label4, add->Label5, add->Label6})
        EXPECT_NE(l->buddy(), nullptr) << l->text().toStdString();
    EXPECT_EQ(add->Label2->buddy(), add->Text2);
    add->close();
    Form7* edit = openEdit();
    EXPECT_EQ(edit->Label2->buddy(), edit->editstock);
    EXPECT_EQ(edit->Label4->buddy(), edit->Text4);
}

} // namespace
