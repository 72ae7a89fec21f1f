#pragma once
// Inside the data layer: a connection to one file with its cached statements,
// the statement helper, the SQL text helpers and the cache of connections.
// Not part of the layer's public face, Dao.h.
#include "Dao.h"
#include "SystemFiles.h"
#include <QHash>
#include <array>
#include <map>
#include <optional>
#include <sqlite3.h>
#include <unordered_map>

namespace dao {

inline constexpr const char* kQueryTable = "tq_querydefs";
inline constexpr const char* kScratch = ":memory:";
inline constexpr const char* kCreateQueryTable =
    R"(CREATE TABLE IF NOT EXISTS tq_querydefs(Name TEXT NOT NULL PRIMARY KEY COLLATE NOCASE, SQL TEXT NOT NULL))";

// SQL text
/// A name as a quoted SQL identifier.
QString quoted(const QString& name);
[[noreturn]] void noSuchField(const QString& name);
/// Texts as a JSON array, for SQLite's json_each.
QString jsonArray(const QStringList& texts);
QString declTypeName(FieldType t);
std::optional<FieldType> fieldTypeFromDecl(const char* decl);
/// Jet SQL that SQLite does not take as it stands: DISTINCTROW (the same as a
/// plain SELECT over one table) and the closing ";".
QString translateJet(const QString& jet);
/// Splits "a, f(b, c) AS [x y]" at top-level commas and finds where the top-level
/// FROM starts; brackets, quotes and parentheses nest.
struct SelectParts {
    QStringList items;
    QString fromClause; // "FROM ..." to the end, or empty
};
SelectParts splitSelect(const QString& sql);

/// Owners of the engine's handles: a statement is finalized and a database
/// closed when its owner lets it go (a database once its last statement is).
struct Finalize {
    void operator()(sqlite3_stmt* s) const noexcept { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;
struct CloseDatabase {
    void operator()(sqlite3* db) const noexcept { sqlite3_close_v2(db); }
};

// ---------------------------------------------------------------------------
// Connection: one sqlite3 handle with its prepared statements and the schema
// it has looked up. Kept in a small cache between openings, so that the market
// tick does not pay for parsing the schema and preparing its statements on
// every run; a changed file (other inode) or schema is detected on reuse.

class Connection {
public:
    explicit Connection(const QString& path, bool create);
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    Connection(Connection&&) noexcept = default;
    Connection& operator=(Connection&&) noexcept = default;
    ~Connection();

    sqlite3* db() const { return handle_.get(); }
    /// Throws the engine's last error on this file.
    [[noreturn]] void fail() const;
    void exec(const char* sql);
    /// Runs exactly one schema statement: text built from names or stored SQL
    /// can never smuggle in a second one. Rows it changed, the statistics would miss.
    void execOne(const QString& sql);
    /// A statement this connection keeps, prepared on first use.
    sqlite3_stmt* statement(const QString& sql);
    /// A statement of the caller's own.
    Statement prepare(const QString& sql, bool persistent);
    void revalidate();
    /// Keeps the file's journal between transactions, for this connection and
    /// every later one to the file, each deleting it when it closes.
    void keepJournal();
    /// After this connection created one schema object: learns of it, or of
    /// everything again where more changed.
    void created(const QString& name, const char* type);
    /// Forgets the statistics when another connection has committed since the last look.
    void checkDataVersion();
    bool sameFile() const;

    struct QueryInfo {
        QString sql;
        std::vector<std::optional<FieldType>> columnTypes;
    };
    /// A table's statistics: what is known of it without asking the file, its
    /// row count and the lowest and highest value of the fields looked up, so
    /// that the tick and the price board count and scan nothing. Followed
    /// through this connection's own writes; forgotten on anything they cannot
    /// follow (a rollback, a schema change, another connection's commit).
    struct Range {
        Value low, high;
    };
    struct TableStats {
        std::optional<int64_t> rows;
        std::map<int, Range> ranges; ///< by field index
    };
    /// A table's fields and the statements a table-type recordset runs on it,
    /// each prepared on first use and kept until the schema changes: a stock's
    /// tables are written on every tick.
    struct TableInfo {
        enum Op { First, Last, Next, From, Insert, Remove, RemoveFirst, OpCount };
        sqlite3_stmt* op(Connection& c, Op which) const;
        /// The UPDATE of the fields whose bits are set in changed.
        sqlite3_stmt* update(Connection& c, uint64_t changed) const;
        /// The field's index, or -1.
        int indexOf(const QString& name) const;
        /// The field's index; throws when the table has no such field.
        int field(const QString& name) const;

        std::vector<Field> fields;
        QString quotedName, columns;
        int generation = 0; ///< the connection's schema generation it was read in
        /// Its statistics, which hold while statsEpoch is the connection's.
        mutable TableStats stats;
        mutable int statsEpoch = -1;

    private:
        mutable std::array<Statement, OpCount> ops_;
        mutable std::vector<std::pair<uint64_t, Statement>> updates_;
    };
    std::shared_ptr<const TableInfo> table(const QString& name);
    const std::vector<Field>& fields(const QString& t) { return table(t)->fields; }
    const QueryInfo* query(const QString& name);
    void forgetSchema();

    /// The table's statistics; with make, empty ones where there were none.
    /// None for a table's info read before the schema changed.
    TableStats* stats(const TableInfo& t, bool make);
    /// The statistics a read may answer from, made where there were none:
    /// outside a transaction, after looking whether another connection wrote.
    TableStats* statsForRead(const TableInfo& t)
    {
        if (!inTransaction)
            checkDataVersion();
        return stats(t, true);
    }
    void rowInserted(const TableInfo& t, const std::vector<Value>& row);
    void rowDeleted(const TableInfo& t, const std::vector<Value>& row);
    void fieldsChanged(const TableInfo& t, const std::vector<bool>& changed);
    /// The lowest and highest value of a field, from the statistics once looked up.
    std::pair<Value, Value> minMax(const TableInfo& t, int field);
    void forgetStats(const TableInfo& t) { t.statsEpoch = -1; }
    void forgetStats() { ++statsEpoch_; }
    /// "table" or "view" for a schema object's name (any case), empty when there is none.
    QString objectType(const QString& name);

    QString path;
    bool inTransaction = false;
    bool readOnly = false; ///< in a read transaction: a write would be undone at its end
    void checkWritable() const
    {
        if (readOnly)
            throw Error("Cannot update inside a read-only view of " + path.toStdString(), 0);
    }

private:
    int schemaVersion();
    // First, so that it closes last, after every statement below is finalized.
    std::unique_ptr<sqlite3, CloseDatabase> handle_;
    std::unordered_map<QString, Statement> statements_; ///< kept for the connection's life
    // What the schema holds, as looked up; all of it forgotten when the schema changes.
    QHash<QString, std::shared_ptr<const TableInfo>> tables_;
    QHash<QString, std::optional<QueryInfo>> queries_;
    QHash<QString, QString> objects_; // lower-case name -> type; read in one pass
    int statsEpoch_ = 0; ///< moves on when every table's statistics are forgotten
    bool objectsRead_ = false;
    int schemaVersion_ = -1;
    int dataVersion_ = -1;
    int generation_ = 0; ///< counts the schema changes seen
    bool keepsJournal_ = false;
    std::optional<FileIdentity> identity_; ///< the file it opened
};

/// A prepared statement at work: one the connection keeps, reset when done,
/// or, with NotKept, one of its own for what runs too seldom to keep.
class Stmt {
public:
    Stmt(Connection& c, const QString& sql) : c_(c), s_(c.statement(sql)) { }
    Stmt(Connection& c, sqlite3_stmt* s) : c_(c), s_(s) { }
    struct NotKept { };
    Stmt(Connection& c, const QString& sql, NotKept) : c_(c), own_(c.prepare(sql, false)), s_(own_.get()) { }
    ~Stmt()
    {
        if (own_)
            return; // finalized with own_
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
            c_.fail();
    }
    /// true while a row is available.
    bool step()
    {
        const int rc = sqlite3_step(s_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        c_.fail();
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
    Statement own_;
    sqlite3_stmt* s_;
};

// The connection cache.
/// A file's canonical path: the key of its connections.
QString canonical(const QString& path);
/// An idle connection to the file, or a new one; throws when there is no file.
std::shared_ptr<Connection> acquire(const QString& path);
/// Keeps a connection for the next opening of its file.
void giveBack(std::shared_ptr<Connection> c);

} // namespace dao
