#include "assets/StockFigures.h"
#include "market/News.h"
#include "trading/OrdersWindow.h"
#include "support/GameFixture.h"

using namespace dao;

class AssetsTest : public OpenGameTest {
protected:
    QByteArray marketBytes()
    {
        releaseAll();
        return fileBytes("stocks.tqs").value_or(QByteArray());
    }
    Stock stock(const QString& symbol)
    {
        for (const Stock& s : stocks())
            if (s.symbol == symbol)
                return s;
        ADD_FAILURE() << "not listed: " << symbol.toStdString();
        return {};
    }
    /// Opens Edit stock and picks a symbol from its list.
    EditStockDialog* edit(const QString& symbol)
    {
        ed->editAssetAction->trigger();
        EditStockDialog* f = Forms::IfLoaded<EditStockDialog>();
        if (!symbol.isEmpty())
            ChooseByKey(f->stockList, symbol);
        return f;
    }
    static void retype(QLineEdit* box, const QString& text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void enter(EditStockDialog* f)
    {
        QTest::mouseClick(f->enterButton, Qt::LeftButton);
        ProcessDeletions();
    }
};

TEST_F(AssetsTest, AddsTheStockWithItsHistoryAndQueriesAndEveryWindowAndTickSeeIt)
{
    addStock("Alpha", "ALP", "12.5", "", "20", "300");
    for (const char* symbol : {"KEY", "PLAN", "ROW"}) // words of the database language that can name tables
        addStock(QString("The ") + symbol + " company", symbol, "20");
    EXPECT_TRUE(msgs.messages.empty()) << msgs.texts().join('\n').toStdString();
    const Stock alp = stock("ALP");
    EXPECT_EQ(alp.price, Value(Currency::fromDouble(12.5)));
    EXPECT_EQ(alp.min, Value(Currency()));
    EXPECT_EQ(alp.historyRows, 201);
    EXPECT_EQ(alp.dayRows, 0);
    EXPECT_EQ(RawRows(path("stocks.tqs"), "SELECT COUNT(*), SUM(Price = 0) FROM ALP WHERE rowid < 201"),
        QStringList({"200|200"}));
    EXPECT_EQ(RawRows(path("stocks.tqs"), "SELECT * FROM ALPQ"), QStringList({"0|125000"}));
    EXPECT_EQ(market().querySql("ALPQDAY"),
        "SELECT Min([Price]) AS [Min Of Price], Max([Price]) AS [Max Of Price] FROM ALPDAY");
    ed->tradeAction->trigger();
    EXPECT_GE(Forms::IfLoaded<TradingDesk>()->stockList->findText("ALP"), 0);
    ed->chartAction->trigger();
    EXPECT_GE(Forms::IfLoaded<StockPerformanceDialog>()->stockList->findText("ROW"), 0);
    ed->pricesAction->trigger();
    EXPECT_TRUE(GridRows(*Forms::IfLoaded<PriceBoard>()->grid).contains("ALP|12.5|0|20|300|0|12.5"));
    Tick();
    EXPECT_TRUE(msgs.messages.empty()) << msgs.texts().join('\n').toStdString();
    for (const char* symbol : {"ALP", "KEY", "PLAN", "ROW"}) {
        SCOPED_TRACE(symbol);
        EXPECT_EQ(stock(symbol).historyRows, 201);
        EXPECT_EQ(stock(symbol).dayRows, 1);
        EXPECT_EQ(RawRows(path("stocks.tqs"), QString("SELECT * FROM %1Q").arg(symbol)),
            RawRows(path("stocks.tqs"), QString("SELECT min(Price), max(Price) FROM \"%1\"").arg(symbol)));
    }
}

TEST_F(AssetsTest, AStockCalledNewsMovesWithTheNewsBesideItAndNewKeepsEveryHistory)
{
    // The news as an earlier version kept them, under a name a stock may now have.
    RawRows(path("stocks.tqs"), "CREATE TABLE News(Time DATETIME, Symbol TEXT, Kind TEXT, Headline TEXT, "
                                "Direction TEXT, \"Moves left\" LONG)");
    RawRows(path("stocks.tqs"), "INSERT INTO News(Headline) VALUES('Rumour: %1 is in trouble' || char(31) || 'Alder')");
    dao::Database m = market();
    MarketSchema::CarryOver(m); // as a game opens: the headline reads as in English, its parts beside it
    m.close();
    EXPECT_EQ(RawRows(path("stocks.tqs"), "SELECT Headline, Phrase, Company FROM \"Market News\""),
        QStringList("Rumour: Alder is in trouble|Rumour: %1 is in trouble|Alder"));
    startGame("Ann");
    addStock("News Corporation", "NEWS", "20");
    EXPECT_TRUE(msgs.messages.empty()) << msgs.texts().join('\n').toStdString();
    ed->marketNewsAction->trigger();
    Market::SetDrawSource([](int, int hi) { return hi == Market::News::kOdds.market ? 1 : hi; });
    Tick();
    EXPECT_TRUE(msgs.messages.empty()) << msgs.texts().join('\n').toStdString();
    EXPECT_EQ(RawRows(path("stocks.tqs"), "SELECT count(*) FROM \"Market News\""), QStringList("1"));
    EXPECT_EQ(stock("NEWS").dayRows, 1);
    EXPECT_EQ(RawRows(path("stocks.tqs"), "SELECT count(*) FROM NEWS"), QStringList("201"));
    const std::vector<Stock> before = stocks();
    startGame("Bob");
    EXPECT_EQ(stocks(), before);
}

TEST_F(AssetsTest, WhatIsRefusedIsSaidBeforeAnythingIsWritten)
{
    addStock("Gamma", "GAM", "1"); // for the DAY and Q clashes below
    const QByteArray before = marketBytes();
    const std::array<const char*, 4> cases[] = {
        // name, symbol, price, what is said
        {"Aldren", "ALDR", "12.5", "This stock already exist in your game!"},
        {"Twin", "aldr", "5", "would clash"}, // a lower-case twin
        {"Twin", "GAMDAY", "5", "would clash"}, // a listed stock's intraday table
        {"Twin", "GAMQ", "5", "would clash"}, // its range query
        {"Kept", "TQ_QUERYDEFS", "5", "keeps the name \"TQ_QUERYDEFS\" for its own tables"},
        {"Odd", "AB C", "5", "starts with a letter"},
        {"Odd", "AB;DROP", "5", "starts with a letter"},
        {"Odd", "1ABC", "5", "starts with a letter"},
        {"Odd", "ÄBC", "5", "starts with a letter"},
        {"Odd", "SELECT", "5", "word of the database language"},
        {"Odd", "From", "5", "word of the database language"},
        {"Odd", "sqlite_temp_masf", "5", "the database's own"},
    };
    std::vector<std::array<QString, 4>> refused;
    for (const auto& [name, symbol, price, said] : cases)
        refused.push_back({name, QString::fromUtf8(symbol), price, said});
    for (const QString& own : MarketSchema::OwnTables()) // every table the market keeps, now or later
        refused.push_back({"Own", own.toUpper(), "5", "cannot be used"});
    for (const auto& [name, symbol, price, said] : refused) {
        SCOPED_TRACE(symbol.toStdString());
        msgs.messages.clear();
        addStock(name, symbol, price);
        ASSERT_EQ(msgs.messages.size(), 1u);
        EXPECT_TRUE(msgs.messages[0].text.contains(said)) << msgs.messages[0].text.toStdString();
        EXPECT_EQ(marketBytes(), before);
        EXPECT_EQ(Forms::IfLoaded<AddAssetDialog>(), nullptr);
    }
    addStock("Beta", "BET", "1,000.5", "", "", "2,000"); // as the player writes numbers
    EXPECT_EQ(
        QList<double>({stock("BET").price.toDouble(), stock("BET").volume.toDouble()}), QList<double>({1000.5, 2000}));
}

TEST(StockFigures, APriceIsANumberAbove0AndTheOtherFiguresNumbersOf0OrMoreEmptyMeaning0)
{
    using F = Assets::Figure;
    const std::tuple<F, const char*, std::optional<double>> cases[] = {{F::Price, "12.5", 12.5},
        {F::Price, "0.0001", 0.0001}, {F::Price, "abc", {}}, {F::Price, "10abc", {}}, {F::Price, "0", {}},
        {F::Price, "-5", {}}, {F::Price, "", {}}, {F::Min, "", 0}, {F::Min, "0", 0}, {F::Min, "-1", {}},
        {F::Min, "x", {}}, {F::Max, "-0.0001", {}}, {F::Volume, "-1", {}}, {F::Volume, " 2 ", 2}};
    for (const auto& [figure, typed, read] : cases)
        EXPECT_EQ(Assets::ReadFigure(figure, typed), read) << typed;
}

TEST_F(AssetsTest, ARefusedFigureIsSaidByAddAndEditWhichStayOpenAsTypedAndWriteNothing)
{
    const QByteArray before = marketBytes();
    addStock("Alpha", "ALP", "-5");
    AddAssetDialog* add = Forms::IfLoaded<AddAssetDialog>();
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(msgs.texts(), QStringList("Type the current price as a number above 0, for example 12.5."));
    EXPECT_EQ(add->priceBox->text(), "-5");
    EXPECT_EQ(add->focusWidget(), add->priceBox);
    addStock("Alpha", "ALP", ""); // "Fill the necessary information", the window kept too
    EXPECT_NE(Forms::IfLoaded<AddAssetDialog>(), nullptr);
    EditStockDialog* f = edit("BRKW");
    retype(f->lowBox, "x");
    enter(f);
    ASSERT_EQ(Forms::IfLoaded<EditStockDialog>(), f);
    EXPECT_EQ(msgs.texts().last(),
        "Type the day's lowest price as a number of 0 or more, for example 12.5, or leave it empty.");
    EXPECT_EQ(f->lowBox->text(), "x");
    EXPECT_EQ(f->focusWidget(), f->lowBox);
    EXPECT_EQ(marketBytes(), before);
}

TEST_F(AssetsTest, AFailureAfterTheRowIsWrittenLeavesTheMarketAsItWas)
{
    // The last step, saving the second query, is made to fail.
    RawRows(path("stocks.tqs"),
        "CREATE TRIGGER fail_late AFTER INSERT ON tq_querydefs WHEN NEW.Name = 'ALPQDAY' "
        "BEGIN SELECT RAISE(ABORT, 'disk trouble'); END");
    const QByteArray before = marketBytes();
    addStock("Alpha", "ALP", "12.5");
    ASSERT_EQ(msgs.messages.size(), 1u);
    EXPECT_TRUE(msgs.messages[0].text.contains("could not be added")) << msgs.messages[0].text.toStdString();
    EXPECT_EQ(marketBytes(), before);
}

TEST_F(AssetsTest, EditShowsThePickedStockAndEnterWithNothingChangedWritesNothing)
{
    setFields("ALDR", {{"Stockcurrent Price", 10.25}, {"Min", Null{}}, {"Max", 12}, {"Volume", 500}});
    QLocale::setDefault(QLocale(QLocale::German)); // shown as the player writes numbers, read back unchanged
    EditStockDialog* f = edit("ALDR");
    EXPECT_EQ(f->stockList->count(), int(stocks().size()));
    EXPECT_EQ(f->nameBox->text(), "Aldren Mining");
    EXPECT_EQ(f->priceBox->text(), "10,25");
    EXPECT_EQ(f->lowBox->text(), ""); // a stored Null
    const QByteArray before = marketBytes();
    enter(f);
    EXPECT_EQ(msgs.texts(), QStringList({"No changes were made!"}));
    EXPECT_EQ(marketBytes(), before);
    QLocale::setDefault(QLocale::c());
    f = edit(""); // nothing picked
    retype(f->priceBox, "99");
    enter(f);
    EXPECT_EQ(msgs.texts().last(), "No changes were made!");
    for (const Stock& s : stocks())
        EXPECT_NE(s.price.toDouble(), 99);
}

TEST_F(AssetsTest, EditStoresTheChangesInTheirOrder)
{
    const struct {
        const char* name;
        const char *typedPrice, *typedMin, *typedMax, *typedVolume; ///< nullptr: left as shown
        double newPrice, newMin, newMax, newVolume;
        bool unchangedMessage;
    } cases[] = {
        {"volume only", nullptr, nullptr, nullptr, "250", 10, 8, 12, 250, true},
        {"price above Max", "15", nullptr, nullptr, nullptr, 15, 8, 15, 100, false},
        {"price below Min, new Min typed", "5", "4", nullptr, nullptr, 5, 4, 12, 100, false},
        {"price below Min", "5", nullptr, nullptr, nullptr, 5, 5, 12, 100, false},
        {"as the player writes numbers", nullptr, nullptr, nullptr, "1,000", 10, 8, 12, 1000, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        msgs.messages.clear();
        setFields("BRKW", {{"Stockcurrent Price", 10}, {"Min", 8}, {"Max", 12}, {"Volume", 100}});
        EditStockDialog* f = edit("BRKW");
        const std::pair<QLineEdit*, const char*> typed[] = {
            {f->priceBox, c.typedPrice}, {f->lowBox, c.typedMin}, {f->volumeBox, c.typedVolume}, {f->highBox, c.typedMax}};
        for (const auto& [box, text] : typed)
            if (text)
                retype(box, text);
        enter(f);
        const Stock s = stock("BRKW");
        EXPECT_EQ(QList<double>({s.price.toDouble(), s.min.toDouble(), s.max.toDouble(), s.volume.toDouble()}),
            QList<double>({c.newPrice, c.newMin, c.newMax, c.newVolume}));
        EXPECT_EQ(s.historyRows, 201); // the history is not touched
        EXPECT_EQ(msgs.texts(), c.unchangedMessage ? QStringList({"No changes were made!"}) : QStringList());
    }
}

TEST_F(AssetsTest, EditAcrossATickWritesOnlyWhatThePlayerChanged)
{
    for (const char* volume : {static_cast<const char*>(nullptr), "777"}) {
        SCOPED_TRACE(volume ? volume : "untouched");
        msgs.messages.clear();
        EditStockDialog* f = edit("ALDR");
        if (volume)
            retype(f->volumeBox, volume);
        ScriptDraws({100, 3});
        Tick();
        Tick();
        const Stock ticked = stock("ALDR");
        const QByteArray before = marketBytes();
        enter(f);
        EXPECT_EQ(msgs.texts(), QStringList({"No changes were made!"}));
        const Stock after = stock("ALDR");
        EXPECT_EQ(
            QList<Value>({after.price, after.min, after.max}), QList<Value>({ticked.price, ticked.min, ticked.max}));
        EXPECT_EQ(after.volume.toDouble(), volume ? 777 : ticked.volume.toDouble());
        EXPECT_TRUE(volume || marketBytes() == before);
    }
}
