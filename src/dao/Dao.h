#pragma once
// A small object model over SQLite: databases, table definitions, stored queries
// and recordsets, shaped as the program's procedures use them.
#include "Currency.h"
#include "DaoError.h"
#include "SystemFiles.h"
#include "Value.h"
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace dao {

class Connection;

struct Field {
    QString name;
    FieldType type;
};

/// A table to append to a database: its name and its fields, in order.
class TableDef {
public:
    TableDef(QString name, std::initializer_list<Field> fields) : name_(std::move(name)), fields_(fields) { }
    const QString& name() const { return name_; }
    const std::vector<Field>& fields() const { return fields_; }

private:
    QString name_;
    std::vector<Field> fields_;
};

class Recordset;

/// All-or-nothing unit of updates: rolled back on destruction unless committed.
class Transaction {
public:
    enum class Kind { Write, Read };
    explicit Transaction(std::shared_ptr<Connection> c, Kind kind = Kind::Write);
    Transaction(Transaction&& o) noexcept;
    Transaction& operator=(Transaction&&) = delete;
    ~Transaction();
    void commit();

private:
    std::shared_ptr<Connection> conn_;
    Kind kind_ = Kind::Write;
};

/// An open database file. Names of tables, queries and fields match without
/// regard to case.
class Database {
public:
    /// Opens an existing database file; throws when it is missing or no database.
    static Database open(const QString& path);
    /// Creates a new, empty database; refused when the file exists.
    static Database create(const QString& path);
    /// A new, empty database in memory, gone when closed: for trying SQL
    /// without touching a file.
    static Database scratch();

    Database() = default;
    Database(Database&&) noexcept = default;
    Database& operator=(Database&&) noexcept = default;
    ~Database();

    void close();
    bool isOpen() const { return bool(conn_); }

    void appendTable(const TableDef& def);
    /// Gives a table another name, its rows and fields as they were.
    void renameTable(const QString& from, const QString& to);
    /// Adds a field to a table, Null in every row it has: an older file
    /// takes a later version's field where it lacks it.
    void appendField(const QString& table, const Field& field);
    /// Saves a stored query: its SQL is kept as given, and a view of the same
    /// name lets any SQLite client select from it.
    void createQueryDef(const QString& name, const QString& sql);
    /// Whether a query's SQL, as a stored query would hold it, compiles here; nothing is run.
    bool compiles(const QString& sql) const;
    /// The SQL text a stored query was saved with; throws when there is no such query.
    QString querySql(const QString& name) const;

    /// The lowest and highest value of a field over a table (Null for an empty
    /// table), as its field type holds them. Kept once looked up and followed
    /// through this connection's writes, so that asking again needs no scan.
    std::pair<Value, Value> minMax(const QString& table, const QString& field);
    /// Deletes every row of a table in one statement.
    void deleteAll(const QString& table);

    /// Every name the file's schema holds: tables, queries, indexes and the rest.
    QStringList objectNames() const;
    bool hasTable(const QString& name) const;
    /// The type of a table's field; throws when the table has no such field.
    FieldType fieldType(const QString& table, const QString& field) const;
    bool hasField(const QString& table, const QString& field) const;

    /// Table-type recordset: rows in stored order, updatable, each change stored when it returns.
    Recordset openTable(const QString& table);
    /// The same, standing on the row of the bookmark, or the first after it
    /// (at its end where there is none): a long table's last rows without a
    /// walk over the ones before them.
    Recordset openTableAt(const QString& table, int64_t bookmark);
    /// Read-only snapshot of a table or stored query, as of the moment of opening;
    /// of a table, only the given fields where some are given.
    Recordset openSnapshot(const QString& source, const QStringList& only = {});
    /// Read-only snapshot of a table's rows whose key field is one of keys
    /// (compared as stored text, a Null as empty text), in stored order; with
    /// no key field, every row.
    Recordset openSnapshotWhere(
        const QString& table, const QStringList& only, const QString& keyField, const QStringList& keys);
    /// Read-only snapshot of a table's rows from the given one on (0-based),
    /// in stored order: what was added since a reader last looked.
    Recordset openSnapshotFrom(const QString& table, int firstRow);

    Transaction beginTransaction();
    /// Keeps the file's rollback journal from one transaction to the next,
    /// until its connections close, instead of making and deleting it for
    /// each: for a file that takes a large change every few seconds.
    void keepJournal();
    /// A consistent view for a run of reads, under one lock instead of one per
    /// statement; for procedures that only read.
    Transaction beginRead();

private:
    explicit Database(std::shared_ptr<Connection> c) : conn_(std::move(c)) { }
    Connection& conn() const;
    std::shared_ptr<Connection> conn_;
};

class Recordset {
public:
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;
    ~Recordset();

    int recordCount() const;
    bool eof() const;
    void moveFirst();
    void moveLast();
    void moveNext();

    /// The current row's value (or the edit buffer's, between addNew/edit and update).
    Value field(const QString& name) const;
    void setField(const QString& name, const Value& v);

    void addNew();
    void edit();
    void update();
    void deleteCurrent();
    /// Deletes the table's first row, if any; the recordset then stands before its new first row.
    void deleteFirst();
    void close();
    /// Of a table: what finds the current row again (openTableAt), and the
    /// row last added. Bookmarks grow with the rows added; 0 comes before all.
    int64_t bookmark() const;
    int64_t lastModified() const;
    /// Of a table: the lowest and highest value of a field over its rows, as
    /// Database::minMax, without looking the table up again.
    std::pair<Value, Value> minMax(const QString& field);

    class Impl;

private:
    friend class Database;
    explicit Recordset(std::unique_ptr<Impl> impl);
    Impl& impl() const;
    std::unique_ptr<Impl> impl_;
};

/// Deletes a database file, with any journal a crash left beside it (a later
/// file of the same name must not inherit it) and the connections kept to it.
/// A file that is not there is no failure; one that cannot be deleted throws
/// the system's reason.
void removeFile(const QString& path);
/// Puts the database file from in to's place in one step, its connections
/// and whatever a crash left beside the old one gone with it: whoever looks
/// finds the old file whole or the new one whole. Throws the system's reason,
/// and then both are as they were.
void replaceFile(const QString& from, const QString& to);
/// Whether two paths name one file, as the system tells files apart.
bool sameFile(const QString& a, const QString& b);
/// Closes every idle cached connection.
void releaseAll();
/// What the engine holds for the idle cached connections, in bytes: the pages
/// it caches, the schema it has read, the statements it keeps.
struct MemoryUse {
    int64_t pages = 0, schema = 0, statements = 0;
};
MemoryUse memoryInUse();

/// What reading a database file, and only reading it, finds wrong with it.
struct FileCheck {
    enum class Verdict { Sound, Missing, Unreadable, Busy, Damaged };
    Verdict verdict = Verdict::Sound;
    std::string detail; ///< the engine's or the system's own words
};
/// Checks a file's pages and that it holds the given tables, opening it read-only.
FileCheck checkFile(const QString& path, const QStringList& tables);

/// A name that is safe as a table name: letters, digits and '_', not starting with a digit.
bool isPlainIdentifier(const QString& name);
/// A name the data layer keeps for its own tables ("tq_", in any letter case), now or later.
bool isOwnName(const QString& name);

} // namespace dao
