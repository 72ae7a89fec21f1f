#include "app/PictureBox.h"
#include "app/kit/Module1.h"
#include "app/kit/VbTimer.h"
#include "data/Form2.h"
#include "data/MarketSchema.h"
#include "support/GameFixture.h"
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace dao;

namespace {

class NewGameTest : public GameTest {
protected:
    bool gameOpenState() const
    {
        return frmEditor::MenuVisible(ed->mnuAsset) && frmEditor::MenuVisible(ed->mnuTools) &&
            frmEditor::MenuVisible(ed->mnuAnalyze) && ed->mnuAsset->isEnabled() && ed->mnuFileItem(3)->isEnabled() &&
            ed->Timer1->enabled() && !ed->tradeup->isHidden() && !ed->chartup->isHidden() && !ed->balup->isHidden();
    }
    bool noGameState() const
    {
        return !frmEditor::MenuVisible(ed->mnuAsset) && !frmEditor::MenuVisible(ed->mnuTools) &&
            !frmEditor::MenuVisible(ed->mnuAnalyze) && !ed->mnuFileItem(3)->isEnabled() && !ed->Timer1->enabled() &&
            ed->tradeup->isHidden();
    }
    void writeFile(const QString& name, const QByteArray& data)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QByteArray readFile(const QString& name)
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(NewGameTest, CreatesTheGameFileWithItsTablesRowAndQueries)
{
    startGame("Ann");
    EXPECT_EQ(Module1::GameFileName, "Ann.sav");
    EXPECT_EQ(Module1::PlayerName, Value("Ann"));
    EXPECT_TRUE(gameOpenState());
    EXPECT_TRUE(msgs.messages.empty());
    EXPECT_EQ(Forms::IfLoaded<Form2>(), nullptr);

    Database db = Database::open(path("Ann.sav"));
    EXPECT_EQ(db.tableNames(), QStringList({"Traderesult", "Player Information"}));
    auto shape = [&](const QString& t) {
        QStringList out;
        for (const Field& f : db.tableFields(t))
            out << f.name + ":" + QString::number(int(f.type));
        return out;
    };
    EXPECT_EQ(shape("Traderesult"), QStringList({"Symbol:10", "Price:5", "Units:4", "Result:5"}));
    EXPECT_EQ(shape("Player Information"), QStringList({"Name:10", "Cash:5", "Date:8", "Balance:5", "Daytime:10"}));
    EXPECT_EQ(db.openTable("Traderesult").recordCount(), 0);
    Recordset p = db.openTable("Player Information");
    ASSERT_EQ(p.recordCount(), 1);
    EXPECT_EQ(p.field("Name"), Value("Ann"));
    EXPECT_EQ(p.field("Cash"), Value(Currency::fromDouble(500000)));
    EXPECT_EQ(p.field("Balance"), Value(Currency::fromDouble(500000)));
    EXPECT_EQ(p.field("Date"), Value(naiveDateTime(QDate::currentDate())));
    EXPECT_TRUE(p.field("Daytime").isNull());
    EXPECT_EQ(db.queryNames(), QStringList({"Position", "Result"}));
    EXPECT_EQ(db.querySql("Position"), GameSchema::kPositionSql);
    EXPECT_EQ(db.querySql("Result"), GameSchema::kResultSql);
    Recordset r = db.openSnapshot("result");
    ASSERT_EQ(r.recordCount(), 1);
    EXPECT_TRUE(r.field("Sum Of Result").isNull());
    db.close();
    releaseAll();

    // The same through plain SQL on the file.
    const QString file = path("Ann.sav");
    EXPECT_EQ(RawRows(file, "SELECT Name, Cash, Balance, Daytime FROM \"Player Information\""),
        QStringList({"Ann|5000000000|5000000000|NULL"}));
    EXPECT_EQ(RawRows(file, "SELECT * FROM Result"), QStringList({"NULL"}));
    EXPECT_EQ(RawRows(file, "SELECT count(*) FROM Position"), QStringList({"0"}));
    EXPECT_EQ(RawRows(file, "PRAGMA integrity_check"), QStringList({"ok"}));
}

TEST_F(NewGameTest, AnExistingFileInAnyCaseAsksBeforeOverwriting)
{
    writeFile("Ann.sav", "old game");
    msgs.answers = {Ui::Answer::No};
    startGame("ANN");
    ASSERT_EQ(msgs.messages.size(), 1u);
    const RecordedMessage& q = msgs.messages[0];
    EXPECT_EQ(q.text, "File already exist. Overwrite?");
    EXPECT_EQ(q.caption, "File error");
    EXPECT_EQ(q.icon, Ui::Icon::Critical);
    EXPECT_EQ(q.buttons, Ui::Buttons::YesNo);
    EXPECT_TRUE(q.defaultSecond);
    // No: the file is untouched and a fresh Information window asks again.
    EXPECT_EQ(readFile("Ann.sav"), "old game");
    EXPECT_EQ(folderFiles().filter(".sav", Qt::CaseInsensitive), QStringList({"Ann.sav"}));
    EXPECT_TRUE(noGameState());
    EXPECT_TRUE(Module1::GameFileName.isEmpty());
    Form2* f = Forms::IfLoaded<Form2>();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->playername->text(), "");
    EXPECT_EQ(f->fsumma->text(), "500000");

    // Yes: the old file gives way to the new game.
    msgs.answers = {Ui::Answer::Yes};
    QTest::keyClicks(f->playername, "aNN");
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    ProcessDeletions();
    EXPECT_EQ(folderFiles().filter(".sav", Qt::CaseInsensitive), QStringList({"aNN.sav"}));
    EXPECT_TRUE(gameOpenState());
    EXPECT_EQ(Database::open(path("aNN.sav")).openTable("Player Information").field("Name"), Value("aNN"));
}

TEST_F(NewGameTest, NamesThatLeaveTheFolderOrNameNoFileAreRefused)
{
    const QStringList before = folderFiles();
    const QStringList parentBefore = QDir(folder() + "/..").entryList(QDir::Files);
    const QString names[] = {
        "../evil", "a/b", "a\\b", QString("tab\there"), QString(300, 'n'), QString("nul") + QChar(0) + "x"};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        msgs.messages.clear();
        ed->mnuFileItem(0)->trigger();
        Form2* f = Forms::IfLoaded<Form2>();
        f->playername->setText(name);
        QTest::mouseClick(f->Command1, Qt::LeftButton);
        ProcessDeletions();
        ASSERT_EQ(msgs.messages.size(), 1u);
        EXPECT_EQ(msgs.messages[0].caption, "File error");
        EXPECT_TRUE(msgs.messages[0].text.contains("cannot be used")) << msgs.messages[0].text.toStdString();
        EXPECT_TRUE(noGameState());
        EXPECT_EQ(folderFiles(), before);
        ASSERT_NE(Forms::IfLoaded<Form2>(), nullptr); // asked again
        EXPECT_EQ(Forms::IfLoaded<Form2>()->fsumma->text(), "500000");
        EXPECT_TRUE(Forms::IfLoaded<Form2>()->playername->text().isEmpty());
    }
    EXPECT_EQ(QDir(folder() + "/..").entryList(QDir::Files), parentBefore);
}

TEST_F(NewGameTest, NamesWithDotsOrNoneAtAllStayInTheFolder)
{
    for (const QString name : {"", "J.. Doe", ".."}) {
        SCOPED_TRACE(name.toStdString());
        startGame(name);
        EXPECT_EQ(Module1::GameFileName, name + ".sav");
        EXPECT_TRUE(QFile::exists(path(name + ".sav")));
        EXPECT_TRUE(gameOpenState());
        Module1::CloseGame();
    }
    EXPECT_TRUE(msgs.messages.empty()) << msgs.texts().join('\n').toStdString();
}

TEST_F(NewGameTest, AnUnusableMarketIsSaidAtNewAndLeftAsItIs)
{
    const QByteArray good = readFile("stocks.tqs");
    const struct {
        const char* name;
        QByteArray bytes; ///< empty: no file
        const char* why;
    } cases[] = {
        {"missing", {}, "is missing."},
        {"truncated", good.left(good.size() / 3), "is damaged and cannot be used"},
        {"random bytes", QByteArray(8192, 'x'), "is damaged and cannot be used (file is not a database)"},
        {"empty database", QByteArray(), "holds no table \"Stocks Information\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        msgs.messages.clear();
        QFile::remove(path("stocks.tqs"));
        if (!c.bytes.isEmpty())
            writeFile("stocks.tqs", c.bytes);
        else if (QByteArray(c.name) == "empty database")
            RawRows(path("stocks.tqs"), "CREATE TABLE Other(x)");
        const QStringList files = folderFiles();
        const QByteArray bytes = readFile("stocks.tqs");
        startGame("Eve");
        ASSERT_EQ(msgs.messages.size(), 1u);
        const RecordedMessage& m = msgs.messages[0];
        EXPECT_EQ(m.caption, "Market error");
        EXPECT_TRUE(m.text.startsWith("The market file " + path("stocks.tqs") + " ")) << m.text.toStdString();
        EXPECT_TRUE(m.text.contains(c.why)) << m.text.toStdString();
        EXPECT_TRUE(m.text.contains("No game was started.") && m.text.contains("backup")) << m.text.toStdString();
        EXPECT_TRUE(noGameState());
        EXPECT_EQ(folderFiles(), files);
        EXPECT_EQ(readFile("stocks.tqs"), bytes);
    }
}

TEST_F(NewGameTest, NewWhileAGameIsOpenLeavesTheFirstFile)
{
    startGame("Ann");
    startGame("Bob");
    EXPECT_EQ(Module1::GameFileName, "Bob.sav");
    EXPECT_TRUE(QFile::exists(path("Ann.sav")));
    EXPECT_TRUE(QFile::exists(path("Bob.sav")));
}

TEST_F(NewGameTest, AFailingEngineIsReportedAndLeavesNoHalfMadeFile)
{
    // Files may grow to 8 KiB only: the engine fails part-way through the creation.
    struct rlimit old { };
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 8192;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    startGame("Carl");
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(msgs.messages.size(), 1u);
    EXPECT_TRUE(msgs.messages[0].text.startsWith("The game file could not be created: "))
        << msgs.messages[0].text.toStdString();
    EXPECT_TRUE(noGameState());
    EXPECT_TRUE(Module1::GameFileName.isEmpty());
    EXPECT_EQ(folderFiles().filter("Carl"), QStringList());
}

TEST_F(NewGameTest, APathThatIsAFolderIsReported)
{
    ASSERT_TRUE(QDir(folder()).mkdir("Dan.sav"));
    startGame("Dan");
    ASSERT_EQ(msgs.messages.size(), 1u);
    EXPECT_TRUE(msgs.messages[0].text.contains("already exists")) << msgs.messages[0].text.toStdString();
    EXPECT_TRUE(noGameState());
    EXPECT_TRUE(QFileInfo(path("Dan.sav")).isDir());
}

} // namespace
