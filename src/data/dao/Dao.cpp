#include "Dao.h"
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <list>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dao {

namespace {

constexpr const char* kQueryTable = "tq_querydefs";
constexpr const char* kScratch = ":memory:";
constexpr const char* kCreateQueryTable =
    R"(CREATE TABLE IF NOT EXISTS tq_querydefs(Name TEXT NOT NULL PRIMARY KEY COLLATE NOCASE, SQL TEXT NOT NULL))";

QString quoted(const QString& name)
{
    QString q = name;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QString declTypeName(FieldType t)
{
    switch (t) {
    case FieldType::Text:
        return QStringLiteral("TEXT");
    case FieldType::Long:
        return QStringLiteral("LONG");
    case FieldType::Currency:
        return QStringLiteral("CURRENCY");
    case FieldType::Double:
        return QStringLiteral("DOUBLE");
    case FieldType::DateTime:
        return QStringLiteral("DATETIME");
    }
    return {};
}

std::optional<FieldType> fieldTypeFromDecl(const char* decl)
{
    if (!decl)
        return std::nullopt;
    const QString d = QString::fromUtf8(decl).toUpper();
    if (d == "CURRENCY" || d == "MONEY")
        return FieldType::Currency;
    if (d == "LONG" || d.contains("INT"))
        return FieldType::Long;
    if (d == "DOUBLE" || d.contains("REAL") || d.contains("FLOA") || d.contains("DOUB"))
        return FieldType::Double;
    if (d.startsWith("DATE"))
        return FieldType::DateTime;
    if (d.contains("CHAR") || d.contains("TEXT") || d.contains("CLOB"))
        return FieldType::Text;
    return std::nullopt;
}

} // namespace

// ---------------------------------------------------------------------------
// Connection: one sqlite3 handle with its prepared statements and the schema
// facts it has looked up. Kept in a small cache between openings, so that the
// market tick does not pay for parsing the schema and preparing its statements
// on every run; a changed file (other inode) or schema is detected on reuse.

class Connection {
public:
    explicit Connection(const QString& path, bool create);
    ~Connection();

    [[noreturn]] void fail(const char* what) const;
    void exec(const char* sql);
    /// Runs exactly one statement: text built from names or stored SQL can
    /// never smuggle in a second one.
    void execOne(const QString& sql);
    sqlite3_stmt* statement(const QString& sql);
    void revalidate();
    bool sameFile() const;

    struct QueryInfo {
        QString sql;
        std::vector<std::optional<FieldType>> columnTypes;
    };
    /// A table's fields and the statements a table-type recordset runs on it.
    struct TableInfo {
        std::vector<Field> fields;
        QString first, last, next, prev, row, count, insert, remove, quotedName;
    };
    std::shared_ptr<const TableInfo> table(const QString& name);
    const std::vector<Field>& fields(const QString& t) { return table(t)->fields; }
    const QueryInfo* query(const QString& name);
    void forgetSchema();
    /// "table" or "view" for a schema object's name (any case), empty when there is none.
    QString objectType(const QString& name);

    sqlite3* db = nullptr;
    QString path;
    bool inTransaction = false;
    bool readOnly = false; ///< in a read transaction: a write would be undone at its end
    void checkWritable() const
    {
        if (readOnly)
            throw Error("Cannot update inside a read-only view of " + path.toStdString(), 0);
    }

private:
    QHash<QString, sqlite3_stmt*> stmts_;
    QHash<QString, std::shared_ptr<const TableInfo>> tables_;
    QHash<QString, std::optional<QueryInfo>> queries_;
    QHash<QString, QString> objects_; // lower-case name -> type; read in one pass
    bool objectsRead_ = false;
    int schemaVersion_ = -1;
    dev_t dev_ = 0;
    ino_t ino_ = 0;
};

namespace {

/// A prepared statement borrowed from a connection's cache; reset when done.
class Stmt {
public:
    Stmt(Connection& c, const QString& sql) : c_(c), s_(c.statement(sql)) { }
    ~Stmt()
    {
        sqlite3_reset(s_);
        sqlite3_clear_bindings(s_);
    }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;

    void bind(int i, const Value& v)
    {
        int rc = SQLITE_OK;
        switch (v.kind()) {
        case Value::Kind::Null:
            rc = sqlite3_bind_null(s_, i);
            break;
        case Value::Kind::Long:
            rc = sqlite3_bind_int64(s_, i, v.asLong());
            break;
        case Value::Kind::Double:
            rc = sqlite3_bind_double(s_, i, v.asDouble());
            break;
        case Value::Kind::Currency:
            rc = sqlite3_bind_int64(s_, i, v.asCurrency().ticks());
            break;
        case Value::Kind::Text: {
            const QByteArray u = v.asText().toUtf8();
            rc = sqlite3_bind_text(s_, i, u.constData(), int(u.size()), SQLITE_TRANSIENT);
            break;
        }
        case Value::Kind::DateTime: {
            const QByteArray u = dateTimeToStorage(v.asDateTime()).toUtf8();
            rc = sqlite3_bind_text(s_, i, u.constData(), int(u.size()), SQLITE_TRANSIENT);
            break;
        }
        }
        if (rc != SQLITE_OK)
            c_.fail("bind");
    }
    /// true while a row is available.
    bool step()
    {
        const int rc = sqlite3_step(s_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        c_.fail("step");
    }
    void run()
    {
        while (step()) { }
    }
    int64_t int64(int col) const { return sqlite3_column_int64(s_, col); }
    QString text(int col) const
    {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s_, col));
        return p ? QString::fromUtf8(p, sqlite3_column_bytes(s_, col)) : QString();
    }
    int columns() const { return sqlite3_column_count(s_); }
    QString columnName(int col) const { return QString::fromUtf8(sqlite3_column_name(s_, col)); }
    const char* declType(int col) const { return sqlite3_column_decltype(s_, col); }

    /// The column's value as a field of the given type holds it; without a type,
    /// as SQLite stored it.
    Value value(int col, std::optional<FieldType> type) const
    {
        switch (sqlite3_column_type(s_, col)) {
        case SQLITE_NULL:
            return Null{};
        case SQLITE_INTEGER: {
            const int64_t i = sqlite3_column_int64(s_, col);
            if (type == FieldType::Currency)
                return Currency::fromTicks(i);
            if (type == FieldType::Double)
                return double(i);
            return i;
        }
        case SQLITE_FLOAT: {
            const double d = sqlite3_column_double(s_, col);
            if (type == FieldType::Currency)
                return Currency::fromDouble(d);
            if (type == FieldType::Long)
                return int64_t(d);
            return d;
        }
        default: {
            const QString t = text(col);
            if (type == FieldType::DateTime) {
                const QDateTime dt = dateTimeFromStorage(t);
                if (dt.isValid())
                    return dt;
            }
            return t;
        }
        }
    }

private:
    Connection& c_;
    sqlite3_stmt* s_;
};

/// Jet SQL that SQLite does not take as it stands: DISTINCTROW (the same as a
/// plain SELECT over one table) and the closing ";".
QString translateJet(const QString& jet)
{
    QString s = jet.trimmed();
    while (s.endsWith(QLatin1Char(';')))
        s = s.chopped(1).trimmed();
    static const QRegularExpression distinctRow(
        QStringLiteral("^\\s*SELECT\\s+DISTINCTROW\\b"), QRegularExpression::CaseInsensitiveOption);
    s.replace(distinctRow, QStringLiteral("SELECT"));
    return s;
}

/// Splits "a, f(b, c) AS [x y]" at top-level commas and finds where the top-level
/// FROM starts; brackets, quotes and parentheses nest.
struct SelectParts {
    QStringList items;
    QString fromClause; // "FROM ..." to the end, or empty
};

SelectParts splitSelect(const QString& sql)
{
    SelectParts parts;
    static const QRegularExpression head(
        QStringLiteral("^\\s*SELECT\\s+(DISTINCT\\s+|ALL\\s+)?"), QRegularExpression::CaseInsensitiveOption);
    const auto m = head.match(sql);
    if (!m.hasMatch())
        return parts;
    int depth = 0;
    QChar quote;
    int start = int(m.capturedEnd());
    for (int i = start; i < sql.size(); ++i) {
        const QChar ch = sql[i];
        if (!quote.isNull()) {
            if (ch == quote)
                quote = QChar();
            continue;
        }
        if (ch == '[')
            quote = ']';
        else if (ch == '"' || ch == '\'' || ch == '`')
            quote = ch;
        else if (ch == '(')
            ++depth;
        else if (ch == ')')
            --depth;
        else if (depth == 0 && ch == ',') {
            parts.items << sql.mid(start, i - start).trimmed();
            start = i + 1;
        } else if (depth == 0 && ch.isSpace() && sql.mid(i + 1, 4).compare("FROM", Qt::CaseInsensitive) == 0 &&
            (i + 5 >= sql.size() || sql[i + 5].isSpace() || sql[i + 5] == '[' || sql[i + 5] == '"')) {
            parts.items << sql.mid(start, i - start).trimmed();
            parts.fromClause = sql.mid(i + 1);
            return parts;
        }
    }
    parts.items << sql.mid(start).trimmed();
    return parts;
}

} // namespace

Connection::Connection(const QString& p, bool create) : path(p)
{
    const QByteArray file = QFile::encodeName(p);
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(file.constData(), &db, flags, nullptr) != SQLITE_OK) {
        const std::string msg = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        db = nullptr;
        throw Error("Cannot open database " + p.toStdString() + ": " + msg, SQLITE_CANTOPEN);
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 250);
    try {
        // Touches the file, so that a damaged or foreign file fails here.
        revalidate();
        // Every commit on disk before it returns: a stored trade survives a crash.
        exec("PRAGMA synchronous = FULL");
    } catch (...) {
        sqlite3_close(db);
        db = nullptr;
        throw;
    }
    struct stat st { };
    if (::stat(file.constData(), &st) == 0) {
        dev_ = st.st_dev;
        ino_ = st.st_ino;
    }
}

Connection::~Connection()
{
    for (sqlite3_stmt* s : std::as_const(stmts_))
        sqlite3_finalize(s);
    if (db)
        sqlite3_close(db);
}

void Connection::fail(const char* what) const
{
    const int code = sqlite3_extended_errcode(db);
    throw Error(std::string(sqlite3_errmsg(db)) + " (" + what + ", " + path.toStdString() + ")", code);
}

void Connection::exec(const char* sql)
{
    char* err = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        const std::string msg = err ? err : sqlite3_errmsg(db);
        sqlite3_free(err);
        throw Error(msg, sqlite3_extended_errcode(db));
    }
}

void Connection::execOne(const QString& sql)
{
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* s = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &s, &tail) != SQLITE_OK)
        fail("statement");
    const bool more = tail && QByteArray(tail).replace(';', ' ').trimmed().size() > 0;
    if (!s || more) {
        sqlite3_finalize(s);
        throw Error("Only one statement may be given: " + sql.toStdString(), SQLITE_MISUSE);
    }
    const int rc = sqlite3_step(s);
    sqlite3_finalize(s);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW)
        fail("statement");
}

sqlite3_stmt* Connection::statement(const QString& sql)
{
    auto it = stmts_.constFind(sql);
    if (it != stmts_.constEnd())
        return *it;
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v3(db, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &s, nullptr) != SQLITE_OK)
        fail("prepare");
    stmts_.insert(sql, s);
    return s;
}

void Connection::revalidate()
{
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA schema_version", -1, &s, nullptr) != SQLITE_OK)
        fail("open");
    const int rc = sqlite3_step(s);
    const int version = rc == SQLITE_ROW ? sqlite3_column_int(s, 0) : -1;
    sqlite3_finalize(s);
    if (rc != SQLITE_ROW)
        fail("open");
    if (version != schemaVersion_) {
        forgetSchema();
        schemaVersion_ = version;
    }
}

bool Connection::sameFile() const
{
    struct stat st { };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && st.st_dev == dev_ && st.st_ino == ino_;
}

void Connection::forgetSchema()
{
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
            objects_.insert(s.text(0).toLower(), s.text(1));
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
    TableInfo info;
    {
        if (objectType(table) != QLatin1String("table"))
            throw Error("Cannot find table '" + table.toStdString() + "' in " + path.toStdString(), 0);
        Stmt s(*this, QStringLiteral("SELECT name, type FROM pragma_table_info(?1)"));
        s.bind(1, table);
        while (s.step()) {
            const QByteArray decl = s.text(1).toUtf8();
            info.fields.push_back({s.text(0), fieldTypeFromDecl(decl.constData()).value_or(FieldType::Text)});
        }
    }
    if (info.fields.empty() || table.compare(kQueryTable, Qt::CaseInsensitive) == 0)
        throw Error("Cannot find table '" + table.toStdString() + "' in " + path.toStdString(), 0);
    const QString q = quoted(table);
    QStringList cols, marks;
    for (const Field& f : info.fields) {
        cols << quoted(f.name);
        marks << QStringLiteral("?");
    }
    info.quotedName = q;
    info.first = "SELECT rowid FROM " + q + " ORDER BY rowid LIMIT 1";
    info.last = "SELECT rowid FROM " + q + " ORDER BY rowid DESC LIMIT 1";
    info.next = "SELECT rowid FROM " + q + " WHERE rowid > ? ORDER BY rowid LIMIT 1";
    info.prev = "SELECT rowid FROM " + q + " WHERE rowid < ? ORDER BY rowid DESC LIMIT 1";
    info.row = "SELECT " + cols.join(',') + " FROM " + q + " WHERE rowid = ?";
    info.count = "SELECT count(*) FROM " + q;
    info.insert = "INSERT INTO " + q + "(" + cols.join(',') + ") VALUES(" + marks.join(',') + ")";
    info.remove = "DELETE FROM " + q + " WHERE rowid=?";
    // Kept under the name as asked for and as lower case, so either finds it at once.
    auto shared = std::make_shared<const TableInfo>(std::move(info));
    tables_.insert(key, shared);
    tables_.insert(table, shared);
    return shared;
}

const Connection::QueryInfo* Connection::query(const QString& name)
{
    const QString key = name.toLower();
    auto it = queries_.find(key);
    if (it != queries_.end())
        return it->has_value() ? &**it : nullptr;

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
        Stmt s(*this, sql);
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
                    Stmt inner(*this, "SELECT " + m.captured(2) + " " + parts.fromClause);
                    type = fieldTypeFromDecl(inner.declType(0));
                }
            }
            info->columnTypes.push_back(type);
        }
    }
    it = queries_.insert(key, std::move(info));
    return it->has_value() ? &**it : nullptr;
}

// ---------------------------------------------------------------------------
// The connection cache.

namespace {

struct Pool {
    std::list<std::shared_ptr<Connection>> idle; // most recently used first
    static constexpr size_t kMaxIdle = 4;
};

Pool& pool()
{
    static Pool p;
    return p;
}

QString canonical(const QString& path)
{
    const QFileInfo fi(path);
    const QString c = fi.canonicalFilePath();
    return c.isEmpty() ? fi.absoluteFilePath() : c;
}

std::shared_ptr<Connection> acquire(const QString& path)
{
    const QString key = canonical(path);
    auto& idle = pool().idle;
    for (auto it = idle.begin(); it != idle.end(); ++it) {
        if ((*it)->path != key)
            continue;
        std::shared_ptr<Connection> c = *it;
        idle.erase(it);
        if (!c->sameFile())
            break; // replaced or deleted behind our back: open afresh
        c->revalidate();
        return c;
    }
    if (!QFileInfo(key).isFile())
        throw Error("Could not find file '" + path.toStdString() + "'", SQLITE_CANTOPEN);
    return std::make_shared<Connection>(key, false);
}

void giveBack(std::shared_ptr<Connection> c)
{
    if (!c || c->inTransaction || sqlite3_get_autocommit(c->db) == 0 || c->path == QLatin1String(kScratch))
        return; // never reuse a scratch one, or one in an unknown transaction state
    auto& idle = pool().idle;
    idle.push_front(std::move(c));
    while (idle.size() > Pool::kMaxIdle)
        idle.pop_back();
}

} // namespace

void releaseFile(const QString& path)
{
    const QString key = canonical(path);
    pool().idle.remove_if([&](const std::shared_ptr<Connection>& c) { return c->path == key; });
}

void releaseAll() { pool().idle.clear(); }

FileCheck checkFile(const QString& path, const QStringList& tables)
{
    using V = FileCheck::Verdict;
    const QFileInfo info(path);
    if (!info.exists())
        return {V::Missing, {}};
    if (!info.isFile())
        return {V::Damaged, "it is a folder, not a file"};
    if (!info.isReadable())
        return {V::Unreadable, "permission denied"};
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    int rc = sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    FileCheck out;
    bool pagesRead = false;
    auto verdictOf = [&](int code) {
        switch (code & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return V::Busy;
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return V::Unreadable;
        case SQLITE_READONLY:
            // A journal left by a crash, which a writing connection rolls back.
            return V::Sound;
        default:
            return V::Damaged;
        }
    };
    auto failed = [&](int code) {
        out = {verdictOf(code), db ? sqlite3_errmsg(db) : "out of memory"};
        if (out.verdict == V::Sound)
            out.detail.clear();
    };
    if (rc != SQLITE_OK) {
        failed(rc);
    } else {
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, 250);
        sqlite3_stmt* s = nullptr;
        rc = sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &s, nullptr);
        if (rc == SQLITE_OK)
            rc = sqlite3_step(s);
        if (rc == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
            const std::string result = text ? text : "";
            pagesRead = result == "ok";
            if (!pagesRead)
                out = {V::Damaged, result};
        } else {
            failed(rc);
        }
        sqlite3_finalize(s);
        for (const QString& t : tables) {
            if (!pagesRead || out.verdict != V::Sound)
                break;
            const QByteArray sql = ("SELECT 1 FROM " + quoted(t) + " LIMIT 0").toUtf8();
            if (sqlite3_prepare_v2(db, sql.constData(), -1, &s, nullptr) != SQLITE_OK)
                out = {V::Damaged, "it holds no table \"" + t.toStdString() + "\""};
            sqlite3_finalize(s);
        }
    }
    sqlite3_close(db);
    return out;
}

bool isPlainIdentifier(const QString& name)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re.match(name).hasMatch();
}

// ---------------------------------------------------------------------------
// Database

Database Database::open(const QString& path) { return Database(acquire(path)); }

Database Database::scratch() { return Database(std::make_shared<Connection>(QString::fromLatin1(kScratch), true)); }

Database Database::create(const QString& path)
{
    const QByteArray file = QFile::encodeName(path);
    // O_EXCL makes the refusal atomic: an existing file is never opened for writing.
    const int fd = ::open(file.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == EEXIST)
            throw Error("Database '" + path.toStdString() + "' already exists", SQLITE_CANTOPEN);
        throw Error("Cannot create database '" + path.toStdString() + "': " + std::strerror(errno), SQLITE_CANTOPEN);
    }
    ::close(fd);
    try {
        auto c = std::make_shared<Connection>(canonical(path), false);
        c->exec(kCreateQueryTable);
        return Database(std::move(c));
    } catch (...) {
        ::unlink(file.constData());
        throw;
    }
}

Database::~Database() { close(); }

void Database::close()
{
    giveBack(std::move(conn_));
    conn_.reset();
}

Connection& Database::conn() const
{
    if (!conn_)
        throw Error("Object invalid or no longer set: the database is closed", 0);
    return *conn_;
}

void Database::appendTable(const TableDef& def)
{
    if (def.name().trimmed().isEmpty() || def.fields().empty())
        throw Error("Invalid table definition '" + def.name().toStdString() + "'", 0);
    QStringList cols;
    for (const Field& f : def.fields())
        cols << quoted(f.name) + ' ' + declTypeName(f.type);
    conn().execOne("CREATE TABLE " + quoted(def.name()) + "(" + cols.join(", ") + ")");
    conn().revalidate();
}

bool Database::compiles(const QString& sql) const
{
    const QByteArray text = translateJet(sql).toUtf8();
    sqlite3_stmt* s = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(conn().db, text.constData(), int(text.size()), &s, &tail);
    sqlite3_finalize(s);
    return rc == SQLITE_OK && s && QByteArray(tail).trimmed().isEmpty();
}

void Database::createQueryDef(const QString& name, const QString& sql)
{
    Connection& c = conn();
    if (name.trimmed().isEmpty())
        throw Error("Invalid query name", 0);
    c.exec(kCreateQueryTable);
    const bool outer = sqlite3_get_autocommit(c.db) != 0;
    if (outer)
        c.exec("SAVEPOINT createquerydef");
    try {
        c.execOne("CREATE VIEW " + quoted(name) + " AS " + translateJet(sql));
        // SQLite accepts a view over missing tables; a query that cannot run is refused now.
        sqlite3_stmt* probe = nullptr;
        const QByteArray select = ("SELECT * FROM " + quoted(name)).toUtf8();
        const int rc = sqlite3_prepare_v2(c.db, select.constData(), -1, &probe, nullptr);
        sqlite3_finalize(probe);
        if (rc != SQLITE_OK)
            c.fail("query definition");
        Stmt s(c, QStringLiteral("INSERT INTO tq_querydefs(Name, SQL) VALUES(?, ?)"));
        s.bind(1, name);
        s.bind(2, sql);
        s.run();
        if (outer)
            c.exec("RELEASE createquerydef");
    } catch (...) {
        if (outer) {
            sqlite3_exec(c.db, "ROLLBACK TO createquerydef; RELEASE createquerydef", nullptr, nullptr, nullptr);
        }
        throw;
    }
    c.revalidate();
}

QString Database::querySql(const QString& name) const
{
    const auto* q = conn().query(name);
    if (!q)
        throw Error("Item not found in this collection: query '" + name.toStdString() + "'", 0);
    return q->sql;
}

void Database::createIndex(const QString& name, const QString& table, const QStringList& fields)
{
    QStringList cols;
    for (const QString& f : fields)
        cols << quoted(f);
    conn().execOne("CREATE INDEX " + quoted(name) + " ON " + quoted(table) + "(" + cols.join(", ") + ")");
    conn().revalidate();
}

bool Database::hasIndex(const QString& name) const { return conn().objectType(name) == QLatin1String("index"); }

std::pair<Value, Value> Database::minMax(const QString& table, const QString& field)
{
    Connection& c = conn();
    const auto info = c.table(table);
    std::optional<FieldType> type;
    for (const Field& f : info->fields)
        if (f.name.compare(field, Qt::CaseInsensitive) == 0)
            type = f.type;
    if (!type)
        throw Error("Item not found in this collection: field '" + field.toStdString() + "'", 0);
    // Apart, since SQLite seeks an index for a lone min() or max() only.
    auto one = [&](const char* fn) {
        Stmt s(c, QStringLiteral("SELECT %1(%2) FROM %3").arg(QLatin1String(fn), quoted(field), info->quotedName));
        s.step();
        return s.value(0, type);
    };
    return {one("MIN"), one("MAX")};
}

QStringList Database::objectNames() const
{
    QStringList out;
    Stmt s(conn(), QStringLiteral("SELECT name FROM sqlite_schema ORDER BY rowid"));
    while (s.step())
        out << s.text(0);
    return out;
}

QStringList Database::tableNames() const
{
    QStringList out;
    Stmt s(conn(),
        QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' "
                       "AND name NOT LIKE 'sqlite_%' AND name <> 'tq_querydefs' ORDER BY rowid"));
    while (s.step())
        out << s.text(0);
    return out;
}

QStringList Database::queryNames() const
{
    QStringList out;
    Stmt t(conn(), QStringLiteral("SELECT 1 FROM sqlite_schema WHERE name = 'tq_querydefs'"));
    if (!t.step())
        return out;
    Stmt s(conn(), QStringLiteral("SELECT Name FROM tq_querydefs ORDER BY rowid"));
    while (s.step())
        out << s.text(0);
    return out;
}

bool Database::hasTable(const QString& name) const
{
    return name.compare(QLatin1String(kQueryTable), Qt::CaseInsensitive) != 0 &&
        conn().objectType(name) == QLatin1String("table");
}

std::vector<Field> Database::tableFields(const QString& table) const { return conn().fields(table); }

Transaction Database::beginTransaction()
{
    return Transaction(conn_ ? conn_ : throw Error("The database is closed", 0));
}

Transaction Database::beginRead()
{
    return Transaction(conn_ ? conn_ : throw Error("The database is closed", 0), Transaction::Kind::Read);
}

Transaction::Transaction(std::shared_ptr<Connection> c, Kind kind) : conn_(std::move(c)), kind_(kind)
{
    if (conn_->inTransaction)
        throw Error("A transaction is already open on " + conn_->path.toStdString(), 0);
    conn_->exec(kind == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN DEFERRED");
    conn_->inTransaction = true;
    conn_->readOnly = kind == Kind::Read;
}

Transaction::Transaction(Transaction&& o) noexcept : conn_(std::move(o.conn_)), kind_(o.kind_) { }

Transaction::~Transaction()
{
    if (conn_ && conn_->inTransaction) {
        sqlite3_exec(conn_->db, "ROLLBACK", nullptr, nullptr, nullptr);
        conn_->inTransaction = false;
        conn_->readOnly = false;
        // Only undone writes can have changed the schema the caches describe.
        if (kind_ == Kind::Write)
            conn_->forgetSchema();
    }
}

void Transaction::commit()
{
    if (!conn_ || !conn_->inTransaction)
        throw Error("No transaction is open", 0);
    conn_->exec("COMMIT");
    conn_->inTransaction = false;
    conn_->readOnly = false;
}

// ---------------------------------------------------------------------------
// Recordsets

class Recordset::Impl {
public:
    virtual ~Impl() = default;
    virtual int recordCount() = 0;
    virtual void moveFirst() = 0;
    virtual void moveLast() = 0;
    virtual void moveNext() = 0;
    virtual void movePrevious() = 0;
    virtual Value field(const QString& name) = 0;
    virtual void setField(const QString&, const Value&) { readOnly(); }
    virtual void addNew() { readOnly(); }
    virtual void edit() { readOnly(); }
    virtual void update() { readOnly(); }
    virtual void deleteCurrent() { readOnly(); }
    virtual void settle() { }
    bool bof = false, eof = false;

protected:
    [[noreturn]] static void readOnly() { throw Error("Database or object is read-only (snapshot)", 0); }
    [[noreturn]] static void noCurrent() { throw Error("No current record", 0); }
    [[noreturn]] static void noField(const QString& n)
    {
        throw Error("Item not found in this collection: field '" + n.toStdString() + "'", 0);
    }
};

namespace {

/// A table's rows, read and written through the row id: the current row is
/// fetched when first read after a move, so walking a long table stays cheap.
class TableImpl final : public Recordset::Impl {
public:
    TableImpl(std::shared_ptr<Connection> c, const QString& table)
        : conn_(std::move(c)), info_(conn_->table(table)), t_(*info_), fields_(t_.fields)
    {
        // Positioned on the first row; the query runs only when a row is needed.
        pendingFirst_ = true;
    }

    int recordCount() override
    {
        Stmt s(*conn_, t_.count);
        s.step();
        return int(s.int64(0));
    }
    void moveFirst() override { seek(t_.first, std::nullopt, true); }
    void moveLast() override { seek(t_.last, std::nullopt, false); }
    void moveNext() override
    {
        settle();
        if (eof)
            return; // stays at its end
        if (bof)
            return moveFirst(); // from before the first row, the first

        seek(t_.next, rowid_, true);
    }
    void movePrevious() override
    {
        settle();
        if (bof)
            return;
        if (eof)
            return moveLast(); // from past the last row, the last

        seek(t_.prev, rowid_, false);
    }
    Value field(const QString& name) override
    {
        const int i = index(name);
        if (mode_ != Mode::None)
            return buffer_[i];
        loadRow();
        return row_[i];
    }
    void setField(const QString& name, const Value& v) override
    {
        const int i = index(name);
        if (mode_ == Mode::None)
            throw Error("Update or CancelUpdate without AddNew or Edit", 0);
        buffer_[i] = convertForField(v, fields_[i].type);
        changed_[i] = true;
    }
    void addNew() override
    {
        mode_ = Mode::AddNew;
        buffer_.assign(fields_.size(), Null{});
        changed_.assign(fields_.size(), false);
    }
    void edit() override
    {
        settle();
        loadRow();
        mode_ = Mode::Edit;
        buffer_ = row_;
        changed_.assign(fields_.size(), false);
    }
    void update() override
    {
        conn_->checkWritable();
        if (mode_ == Mode::AddNew) {
            Stmt s(*conn_, t_.insert);
            for (size_t i = 0; i < fields_.size(); ++i)
                s.bind(int(i + 1), buffer_[i]);
            s.run();
        } else if (mode_ == Mode::Edit) {
            QStringList sets;
            std::vector<int> which;
            for (size_t i = 0; i < fields_.size(); ++i)
                if (changed_[i]) {
                    sets << quoted(fields_[i].name) + "=?";
                    which.push_back(int(i));
                }
            if (!sets.isEmpty()) {
                Stmt s(*conn_, "UPDATE " + t_.quotedName + " SET " + sets.join(',') + " WHERE rowid=?");
                int k = 1;
                for (int i : which)
                    s.bind(k++, buffer_[i]);
                s.bind(k, *rowid_);
                s.run();
                row_ = buffer_;
            }
        } else {
            throw Error("Update or CancelUpdate without AddNew or Edit", 0);
        }
        mode_ = Mode::None;
    }
    void deleteCurrent() override
    {
        conn_->checkWritable();
        settle();
        if (!rowid_ || deleted_ || bof || eof)
            noCurrent();
        Stmt s(*conn_, t_.remove);
        s.bind(1, *rowid_);
        s.run();
        deleted_ = true;
        mode_ = Mode::None;
    }

private:
    enum class Mode { None, AddNew, Edit };

    void settle() override
    {
        if (pendingFirst_)
            moveFirst();
    }
    void seek(const QString& sql, std::optional<int64_t> from, bool forward)
    {
        pendingFirst_ = false;
        mode_ = Mode::None;
        Stmt s(*conn_, sql);
        if (from)
            s.bind(1, *from);
        if (s.step()) {
            rowid_ = s.int64(0);
            bof = eof = false;
        } else if (!from) {
            rowid_.reset(); // empty table
            bof = eof = true;
        } else {
            (forward ? eof : bof) = true;
        }
        deleted_ = false;
        loaded_ = false;
    }
    void loadRow()
    {
        settle();
        if (!rowid_ || bof || eof || deleted_)
            noCurrent();
        if (loaded_)
            return;
        Stmt s(*conn_, t_.row);
        s.bind(1, *rowid_);
        if (!s.step())
            noCurrent(); // deleted by someone else
        row_.clear();
        for (size_t i = 0; i < fields_.size(); ++i)
            row_.push_back(s.value(int(i), fields_[i].type));
        loaded_ = true;
    }
    int index(const QString& name) const
    {
        for (size_t i = 0; i < fields_.size(); ++i)
            if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0)
                return int(i);
        noField(name);
    }

    std::shared_ptr<Connection> conn_;
    std::shared_ptr<const Connection::TableInfo> info_; // held: the cache may be cleared while this is open
    const Connection::TableInfo& t_;
    const std::vector<Field>& fields_;
    std::optional<int64_t> rowid_;
    bool pendingFirst_ = false, loaded_ = false, deleted_ = false;
    std::vector<Value> row_, buffer_;
    std::vector<bool> changed_;
    Mode mode_ = Mode::None;
};

/// Rows copied out at opening; nothing later changes them.
class SnapshotImpl final : public Recordset::Impl {
public:
    SnapshotImpl(Connection& c, const QString& sql, const std::vector<std::optional<FieldType>>& types)
    {
        Stmt s(c, sql);
        for (int i = 0; i < s.columns(); ++i)
            names_ << s.columnName(i);
        std::vector<std::optional<FieldType>> t = types;
        t.resize(names_.size());
        for (int i = 0; i < s.columns(); ++i)
            if (!t[i])
                t[i] = fieldTypeFromDecl(s.declType(i));
        while (s.step()) {
            std::vector<Value> row;
            row.reserve(names_.size());
            for (int i = 0; i < names_.size(); ++i)
                row.push_back(s.value(i, t[i]));
            rows_.push_back(std::move(row));
        }
        moveFirst();
    }
    int recordCount() override { return int(rows_.size()); }
    void moveFirst() override { place(0); }
    void moveLast() override { place(int(rows_.size()) - 1); }
    void moveNext() override
    {
        if (!eof)
            place(pos_ + 1);
    }
    void movePrevious() override
    {
        if (!bof)
            place(pos_ - 1);
    }
    Value field(const QString& name) override
    {
        for (int i = 0; i < names_.size(); ++i)
            if (names_[i].compare(name, Qt::CaseInsensitive) == 0) {
                if (bof || eof)
                    noCurrent();
                return rows_[pos_][i];
            }
        noField(name);
    }

private:
    void place(int p)
    {
        const int n = int(rows_.size());
        pos_ = std::clamp(p, -1, n);
        bof = n == 0 || pos_ < 0;
        eof = n == 0 || pos_ >= n;
    }
    QStringList names_;
    std::vector<std::vector<Value>> rows_;
    int pos_ = 0;
};

} // namespace

Recordset Database::openTable(const QString& table)
{
    return Recordset(std::make_unique<TableImpl>(conn_ ? conn_ : throw Error("The database is closed", 0), table));
}

Recordset Database::openSnapshot(const QString& source)
{
    Connection& c = conn();
    if (const auto* q = c.query(source))
        return Recordset(std::make_unique<SnapshotImpl>(c, "SELECT * FROM " + quoted(source), q->columnTypes));
    const std::vector<Field>& fs = c.fields(source);
    std::vector<std::optional<FieldType>> types;
    QStringList cols;
    for (const Field& f : fs) {
        types.push_back(f.type);
        cols << quoted(f.name);
    }
    return Recordset(std::make_unique<SnapshotImpl>(
        c, "SELECT " + cols.join(',') + " FROM " + quoted(source) + " ORDER BY rowid", types));
}

Recordset::Recordset(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) { }
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;
Recordset::~Recordset() = default;

Recordset::Impl& Recordset::impl() const
{
    if (!impl_)
        throw Error("Object invalid or no longer set: the recordset is closed", 0);
    return *impl_;
}

int Recordset::recordCount() const { return impl().recordCount(); }
bool Recordset::bof() const
{
    impl().settle();
    return impl().bof;
}
bool Recordset::eof() const
{
    impl().settle();
    return impl().eof;
}
void Recordset::moveFirst() { impl().moveFirst(); }
void Recordset::moveLast() { impl().moveLast(); }
void Recordset::moveNext() { impl().moveNext(); }
void Recordset::movePrevious() { impl().movePrevious(); }
Value Recordset::field(const QString& name) const { return impl().field(name); }
void Recordset::setField(const QString& name, const Value& v) { impl().setField(name, v); }
void Recordset::addNew() { impl().addNew(); }
void Recordset::edit() { impl().edit(); }
void Recordset::update() { impl().update(); }
void Recordset::deleteCurrent() { impl().deleteCurrent(); }
void Recordset::close() { impl_.reset(); }

} // namespace dao
