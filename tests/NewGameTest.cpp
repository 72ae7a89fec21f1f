#include "data/GameName.h"
#include "data/OrderBook.h"
#include "trading/OrdersWindow.h"
#include "support/GameFixture.h"

using namespace dao;

class NewGameTest : public GameTest {
protected:
    /// Refused: the game open before (or none) stays, no new file, and maybe a fresh Information window asks again.
    void expectRefused(const QString& caption, const QStringList& files, bool asksAgain = true)
    {
        ASSERT_EQ(msgs.messages.size(), 1u) << msgs.texts().join('\n').toStdString();
        EXPECT_EQ(msgs.messages[0].caption, caption);
        expectGame(files.contains("Open.sav"));
        EXPECT_EQ(folderFiles(), files);
        NewGameDialog* f = Forms::IfLoaded<NewGameDialog>();
        ASSERT_EQ(f != nullptr, asksAgain);
        if (f) { // asked again with an empty name
            EXPECT_EQ(f->nameBox->text(), "");
            EXPECT_EQ(f->balanceLabel->text(), "500000");
        }
    }
};

TEST_F(NewGameTest, CreatesTheGameFileWithItsTablesRowAndQueries)
{
    startGame("Ann");
    EXPECT_EQ(game()->GameFileName, "Ann.sav");
    expectGame(true);
    EXPECT_TRUE(msgs.messages.empty());
    EXPECT_EQ(Database::open(path("Ann.sav")).openTable("Player Information").field("Date"),
        Value(naiveDateTime(QDate::currentDate())));
    releaseAll();
    const QString file = path("Ann.sav"); // as any SQLite client reads it
    EXPECT_EQ(RawRows(file, "SELECT name FROM sqlite_schema WHERE type = 'table' AND name <> 'tq_querydefs'"),
        QStringList({"Traderesult", "Player Information", "Start prices", "Worth", "Orders"}));
    EXPECT_EQ(RawRows(file, "SELECT Name, Cash, Balance, Daytime, News FROM \"Player Information\""),
        QStringList({"Ann|5000000000|5000000000|NULL|No"})); // its market moves without news until asked
    EXPECT_EQ(RawRows(file, "SELECT count(*) FROM \"Start prices\""), QStringList("14")); // every listed stock
    // Its worth, and the market's, start with the game's first day.
    EXPECT_EQ(RawRows(file, "SELECT * FROM Worth"),
        QStringList(QDate::currentDate().toString(Qt::ISODate) + " 09:00:00|5000000000|NULL|5000000000|5000000000"));
    EXPECT_EQ(RawRows(file, "SELECT * FROM Result"), QStringList({"NULL"}));
    EXPECT_EQ(RawRows(file, "SELECT count(*) FROM Position UNION ALL SELECT count(*) FROM Traderesult"),
        QStringList({"0", "0"}));
}

TEST_F(NewGameTest, AnExistingFileInAnyCaseAsksBeforeOverwritingAndNoLeavesTheOpenGameAsItWas)
{
    startGame("Open");
    logTrade("ALDR", 10, 3, -30);
    setClock(at(1, 11, 30));
    QFile old(path("Ann.sav"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    ASSERT_EQ(old.write("old game"), 8);
    ASSERT_TRUE(old.flush());
    const QStringList files = folderFiles();
    msgs.answers = {Ui::Answer::No};
    startGame("ANN");
    expectRefused("File error", files);
    EXPECT_EQ(Session::Current().Clock().Time(), at(1, 11, 30));
    EXPECT_EQ(game()->PlayerName, "Open");
    EXPECT_EQ(RawRows(game()->Path(), "SELECT Units FROM Traderesult"), QStringList({"3"}));
    const Ui::MsgBoxRequest& q = msgs.messages[0];
    EXPECT_EQ(q.text, "File already exist. Overwrite?");
    EXPECT_EQ(q.icon, Ui::Icon::Critical);
    EXPECT_EQ(q.buttons, Ui::Buttons::YesNo);
    EXPECT_TRUE(q.defaultSecond);
    EXPECT_EQ(fileBytes("Ann.sav"), "old game");
    msgs.answers = {Ui::Answer::Yes}; // the old file gives way to the new game
    startGame("aNN");
#ifdef Q_OS_WIN // its files keep the letter case they were first made in
    EXPECT_EQ(folderFiles().filter(".sav", Qt::CaseInsensitive).join(',').toLower(), "ann.sav,open.sav");
#else
    EXPECT_EQ(folderFiles().filter(".sav", Qt::CaseInsensitive), QStringList({"Open.sav", "aNN.sav"}));
#endif
    expectGame(true);
}

TEST_F(NewGameTest, ANewGameOverAnOpenOneIsWhatEveryWindowShowsOrItCloses)
{
    startGame("Ann");
    setClock(at(0, 10, 0));
    trade("ALDR", "10", "Buy");
    dao::Database file = game()->Open();
    OrderBook::Place(file, {0, "ALDR", OrderBook::Type::Buy, {}, money(1), 1, at(0, 10, 0)});
    file.close();
    for (QAction* a : {ed->balanceAction, ed->positionAction, ed->transactionsAction, ed->ordersAction})
        a->trigger();
    QTest::mouseClick(Forms::IfLoaded<BalanceWindow>()->portfolioButton, Qt::LeftButton); // the Portfolio
    startGame("Bob");
    EXPECT_EQ(Forms::IfLoaded<PositionWindow>(), nullptr); // the units as of its opening were Ann's
    const BalanceWindow* balance = Forms::IfLoaded<BalanceWindow>();
    EXPECT_EQ(balance->playerLabel->text() + "|" + balance->cashBox->text() + "|" + balance->stocksBox->text(),
        "Bob|500000|");
    const TransactionsWindow* transactions = Forms::IfLoaded<TransactionsWindow>();
    EXPECT_EQ(transactions->countLabel->text(), "");
    EXPECT_EQ(GridRows(*transactions->grid).join(';').remove('|').remove(';'), "N/A");
    EXPECT_EQ(GridRows(*Forms::IfLoaded<PortfolioWindow>()->grid), QStringList("No shares|||"));
    EXPECT_EQ(Forms::IfLoaded<OrdersWindow>()->grid->Rows(), 1); // no order but its heading
    const TradingDesk* desk = Forms::IfLoaded<TradingDesk>();
    EXPECT_EQ(desk->cashBox->text() + "|" + desk->heldBox->text(), "500000|0");
}

TEST_F(NewGameTest, ANewGameThatCannotBeWrittenLeavesTheFileItWouldReplaceAsItWas)
{
    startGame("Ann");
    setClock(at(0, 10, 0));
    trade("ALDR", "10", "Buy");
    releaseAll();
    const auto before = fileBytes("Ann.sav");
    msgs.messages.clear();
    msgs.answers = {Ui::Answer::Yes}; // over the open game's own file
    {
        FullDisk full(8192);
        startGame("Ann");
    }
    ASSERT_EQ(msgs.messages.size(), 2u);
    EXPECT_TRUE(msgs.texts()[1].startsWith(
        "The game file could not be created: the disk that holds " + QDir::toNativeSeparators(folder()) + " is full"))
        << msgs.texts()[1].toStdString();
    EXPECT_TRUE(msgs.texts()[1].endsWith("The file \"Ann.sav\" was left as it was.")) << msgs.texts()[1].toStdString();
    releaseAll();
    EXPECT_EQ(fileBytes("Ann.sav"), before);
    EXPECT_EQ(folderFiles().filter("Ann"), QStringList("Ann.sav")); // nothing half-made beside it
    EXPECT_EQ(RawRows(game()->Path(), "SELECT Units FROM Traderesult"), QStringList("10")); // still Ann's game
}

TEST_F(NewGameTest, ANameNamesAFileInTheFolderOrIsRefused)
{
    const QStringList parentBefore = QDir(folder() + "/..").entryList(QDir::Files);
    const std::pair<QString, bool> names[] = {{"", false}, {"   ", false}, {"J.. Doe", true}, {"..", false},
        {"../evil", false}, {"a/b", false}, {"a\\b", false}, {"tab\there", false}, {QString(300, 'n'), false},
        {QString("nul") + QChar(0) + "x", false}, {"a:b", false}, {"what?", false}, {"Ann.", false}, {"Ann ", false},
        {"CON", false}, {"con.txt", false}, {"Lpt9", false}, {"COM10", true}, {"Jürgen", true}, {"Zoë", true}};
    for (const auto& [name, usable] : names)
        EXPECT_EQ(GameName::UnusableReason(name).isEmpty(), usable) << name.toStdString();
    // Every name Windows keeps for a device, in any letter case, with or without an extension.
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "COM0", "COM9", "COM¹", "COM³", "LPT0",
             "LPT9", "LPT²"}) {
        EXPECT_FALSE(GameName::UnusableReason(QString::fromUtf8(device).toLower()).isEmpty()) << device;
        EXPECT_FALSE(GameName::UnusableReason(QString::fromUtf8(device) + ".sav").isEmpty()) << device;
    }
    const QStringList files = folderFiles(); // as the player meets the rule: refused, and asked again
    startGame("../evil");
    expectRefused("File error", files);
    EXPECT_TRUE(msgs.messages[0].text.contains("cannot be used")) << msgs.messages[0].text.toStdString();
    EXPECT_EQ(QDir(folder() + "/..").entryList(QDir::Files), parentBefore);
    for (const char* name : {"J.. Doe", "Jürgen"}) { // and named files
        startGame(name);
        EXPECT_TRUE(QFile::exists(path(QString::fromUtf8(name) + ".sav"))) << name;
    }
}

TEST_F(NewGameTest, AFolderInTheWayIsReportedAndLeftAsItIs)
{
    ASSERT_TRUE(QDir(folder()).mkdir("Dan.sav"));
    startGame("Dan");
    expectRefused("File error", folderFiles(), false);
    EXPECT_TRUE(msgs.messages[0].text.contains("already exists")) << msgs.messages[0].text.toStdString();
}
