#include "Fixtures.h"
#include "app/kit/App.h"
#include "app/kit/Forms.h"
#include "app/kit/Module1.h"
#include "app/kit/Numbers.h"
#include "data/dao/Dao.h"
#include "market/MarketState.h"
#include "market/PriceFactor.h"
#include "app/kit/Exchange.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <csignal>
#include <sqlite3.h>
#include <sys/resource.h>

MessageRecorder::MessageRecorder()
{
    previous_ = Ui::SetMsgBoxHandler([this](const Ui::MsgBoxRequest& r) {
        messages.push_back({r.text, r.caption, r.icon, r.buttons, r.defaultSecond});
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

MessageRecorder::~MessageRecorder() { Ui::SetMsgBoxHandler(previous_); }

QStringList MessageRecorder::texts() const
{
    QStringList t;
    for (const auto& m : messages)
        t << m.text;
    return t;
}

void AppFolderTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    App::SetFolder(dir_.path());
    QDir::setCurrent(dir_.path());
    ASSERT_TRUE(QFile::copy(QStringLiteral(TICORA_STARTER_MARKET), path("stocks.tqs")));
    QFile::setPermissions(path("stocks.tqs"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void AppFolderTest::TearDown()
{
    for (QWidget* w : Forms::Loaded())
        Forms::Unload(w);
    ProcessDeletions();
    ResetDraws();
    Market::ResetState();
    Exchange::SetShown(std::nullopt);
    dao::releaseAll();
    App::ReleaseInstanceLock();
    App::ResetEndRequest();
    Module1::GameFileName.clear();
    Module1::PlayerName = dao::Null{};
    Module1::StartingBalance = dao::Null{};
    QDir::setCurrent(QDir::tempPath());
}

std::optional<QByteArray> AppFolderTest::fileBytes(const QString& name) const
{
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

void ScriptDraws(std::vector<int> draws)
{
    auto state = std::make_shared<std::pair<std::vector<int>, size_t>>(std::move(draws), 0);
    Market::SetDrawSource([state] {
        const int r = state->first[state->second % state->first.size()];
        ++state->second;
        return r;
    });
}

FileSizeLimit::FileSizeLimit(long bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit l{};
    getrlimit(RLIMIT_FSIZE, &l);
    old[0] = long(l.rlim_cur);
    old[1] = long(l.rlim_max);
    l.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &l);
}

FileSizeLimit::~FileSizeLimit()
{
    const rlimit l{rlim_t(old[0]), rlim_t(old[1])};
    setrlimit(RLIMIT_FSIZE, &l);
}

void ResetDraws() { Market::SetDrawSource({}); }

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

void ProcessDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

namespace dao {
void PrintTo(const Value& v, std::ostream* os)
{
    static const char* kinds[] = {"Null", "Long", "Double", "Currency", "Text", "DateTime"};
    *os << kinds[int(v.kind())] << "(" << Numbers::PlainText(v).toStdString() << ")";
}
} // namespace dao

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << "{" << ('"' + l.join("\", \"") + '"').toStdString() << "}";
}
