#include "Connection.h"
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <optional>
#include <sqlite3.h>

namespace dao {

// ---------------------------------------------------------------------------
// Database

Database Database::open(const QString& path) { return Database(acquire(path)); }

Database Database::scratch() { return Database(std::make_shared<Connection>(QString::fromLatin1(kScratch), true)); }

Database Database::create(const QString& path)
{
    // Made exclusively: the refusal is atomic, and an existing file is never opened for writing.
    if (const int error = CreateNew(path)) {
        if (QFileInfo::exists(path))
            throw Error("Database '" + path.toStdString() + "' already exists", SQLITE_CANTOPEN);
        throw FileError(error, path);
    }
    try {
        auto c = std::make_shared<Connection>(canonical(path), false);
        c->exec(kCreateQueryTable);
        return Database(std::move(c));
    } catch (...) {
        Remove(path);
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
    conn().created(def.name(), "table");
}

void Database::renameTable(const QString& from, const QString& to)
{
    conn().execOne("ALTER TABLE " + quoted(from) + " RENAME TO " + quoted(to));
    conn().revalidate();
}

void Database::appendField(const QString& table, const Field& field)
{
    conn().execOne(
        "ALTER TABLE " + quoted(table) + " ADD COLUMN " + quoted(field.name) + ' ' + declTypeName(field.type));
    conn().revalidate();
}

bool Database::compiles(const QString& sql) const
{
    const QByteArray text = translateJet(sql).toUtf8();
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(conn().db(), text.constData(), int(text.size()), &raw, &tail);
    const Statement s(raw);
    return rc == SQLITE_OK && s && QByteArray(tail).trimmed().isEmpty();
}

void Database::createQueryDef(const QString& name, const QString& sql)
{
    Connection& c = conn();
    if (name.trimmed().isEmpty())
        throw Error("Invalid query name", 0);
    c.exec(kCreateQueryTable);
    const bool outer = sqlite3_get_autocommit(c.db()) != 0;
    if (outer)
        c.exec("SAVEPOINT createquerydef");
    try {
        c.execOne("CREATE VIEW " + quoted(name) + " AS " + translateJet(sql));
        // SQLite accepts a view over missing tables; a query that cannot run is refused now.
        c.prepare("SELECT * FROM " + quoted(name), false);
        Stmt s(c, QStringLiteral("INSERT INTO tq_querydefs(Name, SQL) VALUES(?, ?)"));
        s.bind(1, name);
        s.bind(2, sql);
        s.run();
        if (outer)
            c.exec("RELEASE createquerydef");
    } catch (...) {
        if (outer) {
            sqlite3_exec(c.db(), "ROLLBACK TO createquerydef; RELEASE createquerydef", nullptr, nullptr, nullptr);
        }
        throw;
    }
    c.created(name, "view");
}

QString Database::querySql(const QString& name) const
{
    const auto* q = conn().query(name);
    if (!q)
        throw Error("Item not found in this collection: query '" + name.toStdString() + "'", 0);
    return q->sql;
}

std::pair<Value, Value> Database::minMax(const QString& table, const QString& field)
{
    Connection& c = conn();
    const auto info = c.table(table);
    return c.minMax(*info, info->field(field));
}

void Database::deleteAll(const QString& table)
{
    Connection& c = conn();
    c.checkWritable();
    const auto info = c.table(table);
    // Once a day over every stock: not worth keeping a statement per table.
    Stmt(c, "DELETE FROM " + info->quotedName, Stmt::NotKept{}).run();
    c.forgetStats(*info);
}

QStringList Database::objectNames() const
{
    QStringList out;
    Stmt s(conn(), QStringLiteral("SELECT name FROM sqlite_schema ORDER BY rowid"));
    while (s.step())
        out << s.text(0);
    return out;
}

bool Database::hasTable(const QString& name) const
{
    return name.compare(QLatin1String(kQueryTable), Qt::CaseInsensitive) != 0 &&
        conn().objectType(name) == QLatin1String("table");
}

bool Database::hasField(const QString& table, const QString& field) const
{
    return conn().table(table)->indexOf(field) >= 0;
}

FieldType Database::fieldType(const QString& table, const QString& field) const
{
    const auto info = conn().table(table);
    return info->fields[size_t(info->field(field))].type;
}

Transaction Database::beginTransaction()
{
    return Transaction(conn_ ? conn_ : throw Error("The database is closed", 0));
}

void Database::keepJournal() { conn().keepJournal(); }

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
    try {
        conn_->checkDataVersion();
    } catch (...) {
        sqlite3_exec(conn_->db(), "ROLLBACK", nullptr, nullptr, nullptr);
        conn_->inTransaction = false;
        throw;
    }
    conn_->readOnly = kind == Kind::Read;
}

Transaction::Transaction(Transaction&& o) noexcept : conn_(std::move(o.conn_)), kind_(o.kind_) { }

Transaction::~Transaction()
{
    if (conn_ && conn_->inTransaction) {
        sqlite3_exec(conn_->db(), "ROLLBACK", nullptr, nullptr, nullptr);
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

} // namespace dao
