#include "GameFixture.h"
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

void GameTest::startGame(const QString& name)
{
    ed->newAction->trigger();
    NewGameDialog* f = Forms::IfLoaded<NewGameDialog>();
    ASSERT_NE(f, nullptr);
    f->nameBox->setText(name);
    QTest::mouseClick(f->enterButton, Qt::LeftButton);
    ProcessDeletions();
}

void GameTest::trade(const QString& symbol, const QString& units, const QString& type)
{
    ed->tradeAction->trigger();
    TradingDesk* desk = Forms::IfLoaded<TradingDesk>();
    ASSERT_NE(desk, nullptr);
    ChooseByKey(desk->stockList, symbol);
    desk->unitsBox->clear();
    QTest::keyClicks(desk->unitsBox, units);
    ClearChoice(desk->typeGroup);
    if (const auto t = TypeNamed(type)) // by what it is, in any language
        desk->typeGroup->button(int(*t))->setChecked(true);
    QTest::mouseClick(desk->enterButton, Qt::LeftButton);
}

void ClearChoice(QButtonGroup* g)
{
    g->setExclusive(false);
    for (QAbstractButton* b : g->buttons())
        b->setChecked(false);
    g->setExclusive(true);
}

std::optional<TradeType> TypeNamed(const QString& caption)
{
    const int i = QStringList{"Buy", "Sell", "Cover short", "Sell short"}.indexOf(caption);
    return i < 0 ? std::nullopt : std::optional(TradeType(i + 1)); // in the enumeration's order
}

void ChooseByKey(QComboBox* list, const QString& symbol)
{
    const int i = list->findText(symbol);
    ASSERT_GE(i, 0) << symbol.toStdString();
    list->setCurrentIndex(i - 1);
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->currentText(), symbol);
}

void GameTest::addStock(const QString& name, const QString& symbol, const QString& price, const QString& min,
    const QString& max, const QString& volume)
{
    Forms::Unload(Forms::IfLoaded<AddAssetDialog>()); // what a refusal left open
    ed->addAssetAction->trigger();
    AddAssetDialog* f = Forms::IfLoaded<AddAssetDialog>();
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(f->isModal());
    const std::pair<QLineEdit*, QString> boxes[] = {
        {f->nameBox, name}, {f->symbolBox, symbol}, {f->priceBox, price}, {f->lowBox, min}, {f->highBox, max},
        {f->volumeBox, volume}};
    for (const auto& [box, text] : boxes)
        QTest::keyClicks(box, text);
    QTest::mouseClick(f->enterButton, Qt::LeftButton);
    ProcessDeletions();
}

void GameTest::expectGame(bool open) const
{
    EXPECT_EQ(Session::Current().IsOpen(), open);
    EXPECT_EQ(ed->closeAction->isEnabled(), open) << "Close";
    EXPECT_EQ(ed->continueAction->isEnabled(), !open) << "Continue";
    for (QMenu* m : {ed->assetsMenu, ed->balanceMenu, ed->toolsMenu, ed->clockMenu})
        EXPECT_EQ(MainWindow::MenuVisible(m), open) << m->objectName().toStdString();
    for (ImageButton* b : {ed->tradeButton, ed->chartButton, ed->balanceButton})
        EXPECT_EQ(b->isHidden(), !open) << b->objectName().toStdString();
    EXPECT_EQ(ed->minuteTimer->enabled(), open) << "the clock's timer";
    if (!open) {
        EXPECT_EQ(ed->clockLabel->text(), QString()) << "the clock";
        EXPECT_FALSE(ed->marketTimer->isRunning()) << "the market";
    }
}

QWidget* FindForm(const QString& name)
{
    for (QWidget* w : Forms::Loaded())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

std::vector<GameTest::Stock> GameTest::stocks()
{
    std::vector<Stock> out;
    dao::Database db = market();
    dao::Recordset rs = db.openSnapshot("Stocks Information");
    for (int i = 0; i < rs.recordCount(); ++i, rs.moveNext()) {
        Stock s{rs.field("stocksymbol").asText(), rs.field("Stockcurrent Price"), rs.field("Min"), rs.field("Max"),
            rs.field("Volume"), 0, 0};
        // -1 for a table that is missing, as some tests arrange.
        s.historyRows = db.hasTable(s.symbol) ? db.openTable(s.symbol).recordCount() : -1;
        s.dayRows = db.hasTable(s.symbol + "DAY") ? db.openTable(s.symbol + "DAY").recordCount() : -1;
        out.push_back(s);
    }
    return out;
}

void GameTest::setFields(const QString& symbol, std::initializer_list<std::pair<const char*, dao::Value>> fields)
{
    dao::Database db = market();
    dao::Recordset rs = db.openTable("Stocks Information");
    for (int i = 0; i < rs.recordCount(); ++i, rs.moveNext())
        if (rs.field("stocksymbol") == dao::Value(symbol)) {
            rs.edit();
            for (const auto& [name, value] : fields)
                rs.setField(name, value);
            rs.update();
        }
}

QStringList GridRows(const ReportGrid& g)
{
    QStringList out;
    for (int r = 0; r < g.Rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < g.Cols(); ++c)
            cells << g.CellText(r, c);
        out << cells.join('|');
    }
    return out;
}

namespace {
sqlite3_vfs* realVfs = nullptr;
sqlite3_vfs fullVfs;
// The system's kinds of file (a database, a journal) each with its writes counted.
struct Kind {
    const sqlite3_io_methods* real = nullptr;
    sqlite3_io_methods counted{};
};
std::array<Kind, 4> kinds;
long roomLeft = -1; // none counted

int writeWithinRoom(sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset)
{
    const auto kind =
        std::find_if(kinds.begin(), kinds.end(), [f](const Kind& k) { return &k.counted == f->pMethods; });
    sqlite3_int64 size = 0;
    if (roomLeft >= 0 && kind->real->xFileSize(f, &size) == SQLITE_OK && offset + amount > size) {
        if (offset + amount - size > roomLeft)
            return SQLITE_FULL;
        roomLeft -= long(offset + amount - size);
    }
    return kind->real->xWrite(f, data, amount, offset);
}

int openCounted(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags)
{
    const int rc = realVfs->xOpen(realVfs, name, f, flags, outFlags);
    if (rc != SQLITE_OK || !f->pMethods)
        return rc;
    for (Kind& k : kinds)
        if (k.real == f->pMethods || !k.real) {
            if (!k.real) {
                k.real = f->pMethods;
                k.counted = *f->pMethods;
                k.counted.xWrite = writeWithinRoom;
            }
            f->pMethods = &k.counted;
            break;
        }
    return rc;
}
} // namespace

FullDisk::FullDisk(long room)
{
    if (!realVfs) { // the system's files, with their writes counted
        realVfs = sqlite3_vfs_find(nullptr);
        fullVfs = *realVfs;
        fullVfs.zName = "counted";
        fullVfs.pNext = nullptr;
        fullVfs.xOpen = openCounted;
        sqlite3_vfs_register(&fullVfs, 1);
    }
    dao::releaseAll(); // every file opened anew on the full disk
    roomLeft = room;
}

FullDisk::~FullDisk() { roomLeft = -1; }

MessageRecorder::MessageRecorder()
{
    previous_ = Ui::SetMsgBoxHandler([this](const Ui::MsgBoxRequest& r) {
        messages.push_back(r);
        if (whileShown)
            whileShown();
        if (r.buttons == Ui::Buttons::OK)
            return Ui::Answer::OK;
        EXPECT_FALSE(answers.empty()) << "unexpected question: " << r.text.toStdString();
        if (answers.empty())
            return Ui::Answer::No;
        const Ui::Answer a = answers.front();
        answers.pop_front();
        return a;
    });
}

void AppFolderTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    GameShell::Wire();
    Session::Current().Clock().UseHandTime(true); // the countdowns move only as a test moves them
    App::SetFolder(dir_.path());
    QDir::setCurrent(dir_.path());
    ASSERT_TRUE(QFile::copy(TestMarket(), path("stocks.tqs")));
    QFile::setPermissions(path("stocks.tqs"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void AppFolderTest::TearDown()
{
    Deliver();
    for (QWidget* w : Forms::Loaded())
        Forms::Unload(w);
    ProcessDeletions();
    ResetDraws();
    Session::Current().Reset();
    dao::releaseAll();
    App::ReleaseInstanceLock();
    App::ResetEndRequest();
    QDir::setCurrent(QDir::tempPath());
}

std::optional<QByteArray> AppFolderTest::fileBytes(const QString& name) const
{
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

QStringList RawRows(const QString& file, const QString& sql)
{
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    QStringList out;
    sqlite3_stmt* s = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &s, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    while (s && sqlite3_step(s) == SQLITE_ROW) {
        QStringList cols;
        for (int i = 0; i < sqlite3_column_count(s); ++i)
            cols << (sqlite3_column_type(s, i) == SQLITE_NULL
                    ? QStringLiteral("NULL")
                    : QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, i))));
        out << cols.join('|');
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    return out;
}

void AddTrade(dao::Database& game, const QString& symbol, dao::Value price, dao::Value units, dao::Value result)
{
    dao::Recordset rs = game.openTable("Traderesult");
    rs.addNew();
    rs.setField("Symbol", symbol);
    rs.setField("Price", price);
    rs.setField("Units", units);
    rs.setField("Result", result);
    rs.update();
}

namespace {
const QString startFolder = QDir::currentPath(); // as the run began, before any test moved it
} // namespace

QString BuiltPath(const char* path)
{
    const QString p = QString::fromUtf8(path);
#ifdef Q_OS_WIN
    if (p.startsWith(QLatin1Char('/')))
        return startFolder.left(2) + p;
#endif
    return p;
}

QString TestMarket()
{
    const QString copy = qEnvironmentVariable("TICORA_TEST_MARKET");
    return copy.isEmpty() ? BuiltPath(TICORA_STARTER_MARKET) : copy;
}

#ifdef Q_OS_UNIX
namespace {
/// This program and the market in a folder anyone may enter, made once for the run.
QString reachableCopy()
{
    static QTemporaryDir dir(QDir::tempPath() + "/ticora-child-XXXXXX");
    static const bool copied = [] {
        const QString program = dir.filePath("ticora_tests"), market = dir.filePath("stocks.tqs");
        const auto anyone = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
            QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
        return dir.isValid() && QFile::copy(QCoreApplication::applicationFilePath(), program) &&
            QFile::copy(TestMarket(), market) && QFile::setPermissions(dir.path(), anyone) &&
            QFile::setPermissions(program, anyone) && QFile::setPermissions(market, anyone);
    }();
    EXPECT_TRUE(copied) << "no copy of the tests in " << dir.path().toStdString();
    return dir.path();
}
} // namespace
#endif

void StartChildTest(QProcess& child, const char* test, const QString& folder, bool unprivileged)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR"); // the child makes its own
    env.insert("QT_QPA_PLATFORM", "offscreen");
    if (!folder.isEmpty()) // an empty variable is no variable on Windows
        env.insert("TICORA_CHILD_FOLDER", folder);
    QString program = QCoreApplication::applicationFilePath();
#ifdef Q_OS_UNIX
    if (unprivileged && geteuid() == 0) {
        const QString copy = reachableCopy();
        program = copy + "/ticora_tests";
        env.insert("TICORA_TEST_MARKET", copy + "/stocks.tqs");
        child.setWorkingDirectory(copy);
        child.setChildProcessModifier([] {
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(97);
        });
    }
#else
    (void)unprivileged; // a read-only file holds for every user of Windows
#endif
    child.setProcessEnvironment(env);
    child.start(program, {QStringLiteral("--gtest_filter=") + test, QStringLiteral("--gtest_also_run_disabled_tests")});
}
