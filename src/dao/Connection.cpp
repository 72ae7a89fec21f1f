#include "Connection.h"
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <cerrno>
#include <optional>
#include <sqlite3.h>

namespace dao {

namespace {
/// The files whose journal is kept: every connection to one keeps it alike,
/// or one that deletes it at each commit undoes what the others keep.
QSet<QString>& keptJournals()
{
    static QSet<QString> paths;
    return paths;
}
} // namespace

Connection::Connection(const QString& p, bool create) : path(p)
{
    const QByteArray file = p.toUtf8(); // SQLite takes every path in UTF-8, on every system
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    sqlite3* opened = nullptr;
    const int rc = sqlite3_open_v2(file.constData(), &opened, flags, nullptr);
    handle_.reset(opened); // closed with the connection, or as a failed construction unwinds
    if (rc != SQLITE_OK) {
        if (!opened)
            throw Error("out of memory", SQLITE_NOMEM, p);
        fail();
    }
    sqlite3_extended_result_codes(db(), 1);
    sqlite3_busy_timeout(db(), 250);
    // Touches the file, so that a damaged or foreign file fails here.
    revalidate();
    // Every commit on disk before it returns: a stored trade survives a crash.
    exec("PRAGMA synchronous = FULL");
    // A move writes a few pages of each of a thousand stocks once, more than
    // any cache holds: 768 KB moves as fast as the default 2 MB, at a third of
    // its memory; 512 KB spilled to the journal often enough to slow it.
    exec("PRAGMA cache_size = -768");
    if (keptJournals().contains(p))
        keepJournal();
    identity_ = IdentityOf(p);
}

Connection::~Connection()
{
    // The kept journal goes with the connection. Where another still holds it
    // open the engine leaves it, zeroed, which is no journal to anyone.
    if (handle_ && keepsJournal_)
        sqlite3_exec(db(), "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr);
}

void Connection::keepJournal()
{
    // Where an open file cannot be deleted, the engine holds a kept journal
    // open between transactions, and another program's commit, which deletes
    // its own, would fail and be undone: there the journal comes and goes.
    if (keepsJournal_ || !kOpenFilesDeletable)
        return;
    // Making and deleting the journal of a move over 1000 stocks (8 MB) every
    // ten seconds cost the file system more than writing it. A kept one is
    // overwritten, and emptied by a synced write at each commit; what a large
    // change leaves of it is cut back to 32 MB.
    exec("PRAGMA journal_mode = PERSIST");
    exec("PRAGMA journal_size_limit = 33554432");
    keepsJournal_ = true;
    keptJournals().insert(path);
}

void Connection::fail() const
{
    throw Error(sqlite3_errmsg(db()), sqlite3_extended_errcode(db()), path, sqlite3_system_errno(db()));
}

void Connection::exec(const char* sql)
{
    char* err = nullptr;
    if (sqlite3_exec(db(), sql, nullptr, nullptr, &err) != SQLITE_OK) {
        const std::string msg = err ? err : sqlite3_errmsg(db());
        sqlite3_free(err);
        throw Error(msg, sqlite3_extended_errcode(db()), path, sqlite3_system_errno(db()));
    }
}

void Connection::execOne(const QString& sql)
{
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int prepared = sqlite3_prepare_v2(db(), utf8.constData(), int(utf8.size()), &raw, &tail);
    const Statement s(raw);
    if (prepared != SQLITE_OK)
        fail();
    if (!s || (tail && QByteArray(tail).replace(';', ' ').trimmed().size() > 0))
        throw Error("Only one statement may be given: " + sql.toStdString(), SQLITE_MISUSE);
    const int rc = sqlite3_step(s.get());
    if (rc != SQLITE_DONE && rc != SQLITE_ROW)
        fail();
}

sqlite3_stmt* Connection::statement(const QString& sql)
{
    Statement& s = statements_[sql];
    if (!s)
        s = prepare(sql, true);
    return s.get();
}

Statement Connection::prepare(const QString& sql, bool persistent)
{
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v3(
        db(), utf8.constData(), int(utf8.size()), persistent ? SQLITE_PREPARE_PERSISTENT : 0, &raw, nullptr);
    Statement s(raw);
    if (rc != SQLITE_OK)
        fail();
    return s;
}

int Connection::schemaVersion()
{
    const Statement s = prepare(QStringLiteral("PRAGMA schema_version"), false);
    if (sqlite3_step(s.get()) != SQLITE_ROW)
        fail();
    return sqlite3_column_int(s.get(), 0);
}

void Connection::revalidate()
{
    const int version = schemaVersion();
    if (version != schemaVersion_) {
        forgetSchema();
        schemaVersion_ = version;
    }
    checkDataVersion();
}

namespace {
// The few types a schema knows, held once: 4000 copies of "table" and "view"
// would cost a market of 1000 stocks 200 KB.
QString shared(const QString& type)
{
    static const QString known[] = {QStringLiteral("table"), QStringLiteral("view"), QStringLiteral("index")};
    for (const QString& k : known)
        if (k == type)
            return k;
    return type;
}
} // namespace

void Connection::created(const QString& name, const char* type)
{
    // Where our statement made the only change, the rest of what is known still
    // holds: adding a stock to a large market need not read every name again.
    const int version = schemaVersion();
    if (version != schemaVersion_ + 1)
        return revalidate();
    schemaVersion_ = version;
    const QString key = name.toLower();
    if (objectsRead_)
        objects_.insert(key, shared(QString::fromLatin1(type)));
    queries_.remove(key); // was not found before
}

void Connection::checkDataVersion()
{
    // Changes only when another connection has committed: what it wrote, the statistics do not know.
    Stmt s(*this, QStringLiteral("PRAGMA data_version"));
    const int data = s.step() ? int(s.int64(0)) : -1;
    if (data != dataVersion_) {
        forgetStats();
        dataVersion_ = data;
    }
}

bool Connection::sameFile() const { return identity_ && IdentityOf(path) == identity_; }

void Connection::forgetSchema()
{
    ++generation_;
    forgetStats();
    tables_.clear();
    queries_.clear();
    objects_.clear();
    objectsRead_ = false;
}

QString Connection::objectType(const QString& name)
{
    // One pass over the schema instead of a scan per name: a market of 1000
    // stocks has 4000 objects.
    if (!objectsRead_) {
        Stmt s(*this, QStringLiteral("SELECT name, type FROM sqlite_schema"));
        while (s.step())
            objects_.insert(s.text(0).toLower(), shared(s.text(1)));
        objectsRead_ = true;
    }
    return objects_.value(name.toLower());
}

std::shared_ptr<const Connection::TableInfo> Connection::table(const QString& table)
{
    auto it = tables_.constFind(table);
    if (it != tables_.constEnd())
        return *it;
    const QString key = table.toLower();
    it = tables_.constFind(key);
    if (it != tables_.constEnd())
        return *tables_.insert(table, *it);
    auto info = std::make_shared<TableInfo>();
    {
        if (objectType(table) != QLatin1String("table"))
            throw Error("Cannot find table '" + table.toStdString() + "' in " + path.toStdString(), 0);
        Stmt s(*this, QStringLiteral("SELECT name, type FROM pragma_table_info(?1)"));
        s.bind(1, table);
        while (s.step()) {
            const QByteArray decl = s.text(1).toUtf8();
            info->fields.push_back({s.text(0), fieldTypeFromDecl(decl.constData()).value_or(FieldType::Text)});
        }
    }
    if (info->fields.empty() || table.compare(kQueryTable, Qt::CaseInsensitive) == 0)
        throw Error("Cannot find table '" + table.toStdString() + "' in " + path.toStdString(), 0);
    QStringList cols;
    for (const Field& f : info->fields)
        cols << quoted(f.name);
    info->quotedName = quoted(table);
    info->generation = generation_;
    info->columns = cols.join(',');
    // Kept under the name as asked for and as lower case, so either finds it at once.
    std::shared_ptr<const TableInfo> shared = std::move(info);
    tables_.insert(key, shared);
    tables_.insert(table, shared);
    return shared;
}

const Connection::QueryInfo* Connection::query(const QString& name)
{
    // The name as asked for first: the board asks for a thousand on every refresh.
    auto it = queries_.find(name);
    if (it != queries_.end())
        return it->has_value() ? &**it : nullptr;
    const QString key = name.toLower();
    it = queries_.find(key);
    if (it != queries_.end()) {
        if (!it->has_value())
            return nullptr;
        // Kept under this spelling too; an absent query only in lower case, where a new one clears it.
        const std::optional<QueryInfo> found = *it;
        return &**queries_.insert(name, found);
    }

    std::optional<QueryInfo> info;
    if (objectType(QString::fromLatin1(kQueryTable)) == QLatin1String("table")) {
        Stmt s(*this, QStringLiteral("SELECT SQL FROM tq_querydefs WHERE Name = ?"));
        s.bind(1, name);
        if (s.step())
            info = QueryInfo{s.text(0), {}};
    }
    if (info) {
        // The engine's declared types stop at aggregates; a Sum, Min or Max keeps
        // the type of the column it is taken over, so work that out from the text.
        const QString sql = translateJet(info->sql);
        const SelectParts parts = splitSelect(sql);
        Stmt s(*this, sql, Stmt::NotKept{}); // read once for the types, not kept
        for (int i = 0; i < s.columns(); ++i) {
            std::optional<FieldType> type = fieldTypeFromDecl(s.declType(i));
            if (!type && i < parts.items.size() && !parts.fromClause.isEmpty()) {
                static const QRegularExpression agg(
                    QStringLiteral("^(SUM|MIN|MAX|FIRST|LAST|COUNT|AVG)\\s*\\((.*)\\)(\\s+AS\\s+.*)?$"),
                    QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
                const auto m = agg.match(parts.items[i]);
                const QString fn = m.captured(1).toUpper();
                if (fn == "COUNT") {
                    type = FieldType::Long;
                } else if (fn == "AVG") {
                    type = FieldType::Double;
                } else if (m.hasMatch()) {
                    Stmt inner(*this, "SELECT " + m.captured(2) + " " + parts.fromClause, Stmt::NotKept{});
                    type = fieldTypeFromDecl(inner.declType(0));
                }
            }
            info->columnTypes.push_back(type);
        }
    }
    if (key != name && info)
        queries_.insert(name, info);
    it = queries_.insert(key, std::move(info));
    return it->has_value() ? &**it : nullptr;
}

} // namespace dao
