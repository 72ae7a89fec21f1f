#include "Connection.h"
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <optional>
#include <sqlite3.h>

namespace dao {

// ---------------------------------------------------------------------------
// Recordsets

class Recordset::Impl {
public:
    virtual ~Impl() = default;
    virtual int recordCount() = 0;
    virtual void moveFirst() = 0;
    virtual void moveLast() = 0;
    virtual void moveNext() = 0;
    virtual Value field(const QString& name) = 0;
    virtual void setField(const QString&, const Value&) { readOnly(); }
    virtual void addNew() { readOnly(); }
    virtual void edit() { readOnly(); }
    virtual void update() { readOnly(); }
    virtual void deleteCurrent() { readOnly(); }
    virtual void deleteFirst() { readOnly(); }
    virtual void readFirstRowIfPending() { }
    virtual int64_t bookmark() { throw Error("Operation is not supported for this type of object", 0); }
    virtual int64_t lastModified() { throw Error("Operation is not supported for this type of object", 0); }
    virtual std::pair<Value, Value> minMax(const QString&)
    {
        throw Error("Operation is not supported for this type of object", 0);
    }
    bool eof = false;

protected:
    [[noreturn]] static void readOnly() { throw Error("Database or object is read-only (snapshot)", 0); }
    [[noreturn]] static void noCurrent() { throw Error("No current record", 0); }
};

namespace {

/// A table's rows, read and written through the row id: each move reads the
/// row it lands on in the same statement, so walking a long table stays cheap.
class TableImpl final : public Recordset::Impl {
public:
    TableImpl(std::shared_ptr<Connection> c, const QString& table, int64_t from = 0)
        : conn_(std::move(c)), info_(conn_->table(table)), t_(*info_), fields_(t_.fields), from_(from)
    {
        if (fields_.size() > 64)
            throw Error("Too many fields in table '" + table.toStdString() + "'", 0);
        // Positioned on the first row; the query runs only when a row is needed.
        pendingFirst_ = true;
    }

    int recordCount() override
    {
        Connection::TableStats* k = conn_->statsForRead(t_);
        if (k && k->rows)
            return int(*k->rows);
        // Counted once: the statistics answer for as long as they are followed.
        Stmt s(*conn_, "SELECT count(*) FROM " + t_.quotedName, Stmt::NotKept{});
        s.step();
        if (k)
            k->rows = s.int64(0);
        return int(s.int64(0));
    }
    std::pair<Value, Value> minMax(const QString& field) override { return conn_->minMax(t_, index(field)); }
    void moveFirst() override { seek(Op::First, std::nullopt); }
    void moveLast() override { seek(Op::Last, std::nullopt); }
    void moveNext() override
    {
        readFirstRowIfPending();
        if (eof)
            return; // stays at its end
        seek(Op::Next, rowid_);
    }
    Value field(const QString& name) override
    {
        const int i = index(name);
        if (mode_ != Mode::None)
            return buffer_[i];
        requireCurrent();
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
        requireCurrent();
        mode_ = Mode::Edit;
        buffer_ = row_;
        changed_.assign(fields_.size(), false);
    }
    void update() override
    {
        conn_->checkWritable();
        if (mode_ == Mode::AddNew) {
            Stmt s(*conn_, t_.op(*conn_, Op::Insert));
            for (size_t i = 0; i < fields_.size(); ++i)
                s.bind(int(i + 1), buffer_[i]);
            s.run();
            lastAdded_ = sqlite3_last_insert_rowid(conn_->db());
            conn_->rowInserted(t_, buffer_);
        } else if (mode_ == Mode::Edit) {
            uint64_t mask = 0;
            for (size_t i = 0; i < fields_.size(); ++i)
                if (changed_[i])
                    mask |= uint64_t(1) << i;
            if (mask) {
                Stmt s(*conn_, t_.update(*conn_, mask));
                int k = 1;
                for (size_t i = 0; i < fields_.size(); ++i)
                    if (changed_[i])
                        s.bind(k++, buffer_[i]);
                s.bind(k, *rowid_);
                s.run();
                conn_->fieldsChanged(t_, changed_);
                row_ = buffer_;
            }
        } else {
            throw Error("Update or CancelUpdate without AddNew or Edit", 0);
        }
        mode_ = Mode::None;
    }
    int64_t bookmark() override
    {
        requireCurrent();
        return *rowid_;
    }
    int64_t lastModified() override { return lastAdded_ ? lastAdded_ : throw Error("No current record", 0); }
    void deleteCurrent() override
    {
        conn_->checkWritable();
        readFirstRowIfPending();
        if (!rowid_ || deleted_ || eof)
            noCurrent();
        Stmt s(*conn_, t_.op(*conn_, Op::Remove));
        s.bind(1, *rowid_);
        s.run();
        // The statistics learn what left from the row read by the move.
        if (sqlite3_changes(conn_->db()) > 0)
            conn_->rowDeleted(t_, row_);
        deleted_ = true;
        mode_ = Mode::None;
    }

    void deleteFirst() override
    {
        // One statement kept a table, not a read and a delete: a move deletes
        // from a thousand tables, and each kept statement costs its memory.
        conn_->checkWritable();
        Stmt s(*conn_, t_.op(*conn_, Op::RemoveFirst));
        if (s.step()) {
            std::vector<Value> row(fields_.size());
            for (size_t i = 0; i < fields_.size(); ++i)
                row[i] = s.value(int(i), fields_[i].type);
            while (s.step()) { } // run to its end, as a RETURNING statement must, before it is reused
            conn_->rowDeleted(t_, row);
        }
        pendingFirst_ = true;
        mode_ = Mode::None;
    }

private:
    enum class Mode { None, AddNew, Edit };
    using Op = Connection::TableInfo::Op;

    void readFirstRowIfPending() override
    {
        if (pendingFirst_ && from_ > 0)
            seek(Op::From, from_);
        else if (pendingFirst_)
            moveFirst();
    }
    void seek(Op op, std::optional<int64_t> from)
    {
        pendingFirst_ = false;
        mode_ = Mode::None;
        Stmt s(*conn_, t_.op(*conn_, op));
        if (from)
            s.bind(1, *from);
        eof = !s.step();
        deleted_ = false;
        if (!eof) {
            rowid_ = s.int64(0);
            row_.resize(fields_.size());
            for (size_t i = 0; i < fields_.size(); ++i)
                row_[i] = s.value(int(i) + 1, fields_[i].type);
        } else if (!from) {
            rowid_.reset(); // empty table
        }
    }
    /// Requires a row the recordset stands on, which its move has read.
    void requireCurrent()
    {
        readFirstRowIfPending();
        if (!rowid_ || eof || deleted_)
            noCurrent();
    }
    int index(const QString& name) const { return t_.field(name); }

    std::shared_ptr<Connection> conn_;
    std::shared_ptr<const Connection::TableInfo> info_; // held: the cache may be cleared while this is open
    const Connection::TableInfo& t_;
    const std::vector<Field>& fields_;
    std::optional<int64_t> rowid_;
    int64_t from_ = 0, lastAdded_ = 0;
    bool pendingFirst_ = false, deleted_ = false;
    std::vector<Value> row_, buffer_;
    std::vector<bool> changed_;
    Mode mode_ = Mode::None;
};

/// Rows copied out at opening; nothing later changes them.
class SnapshotImpl final : public Recordset::Impl {
public:
    SnapshotImpl(Stmt& s, const std::vector<std::optional<FieldType>>& types)
    {
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
    Value field(const QString& name) override
    {
        // The name as the column is spelt first: the board reads five a row.
        qsizetype i = names_.indexOf(name);
        for (qsizetype k = 0; i < 0 && k < names_.size(); ++k)
            if (names_[k].compare(name, Qt::CaseInsensitive) == 0)
                i = k;
        if (i < 0)
            noSuchField(name);
        if (eof)
            noCurrent();
        return rows_[pos_][size_t(i)];
    }

private:
    void place(int p)
    {
        const int n = int(rows_.size());
        pos_ = std::clamp(p, 0, n);
        eof = pos_ >= n;
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

Recordset Database::openTableAt(const QString& table, int64_t bookmark)
{
    return Recordset(
        std::make_unique<TableImpl>(conn_ ? conn_ : throw Error("The database is closed", 0), table, bookmark));
}

Recordset Database::openSnapshot(const QString& source, const QStringList& only)
{
    Connection& c = conn();
    if (const auto* q = c.query(source)) {
        Stmt s(c, "SELECT * FROM " + quoted(source));
        return Recordset(std::make_unique<SnapshotImpl>(s, q->columnTypes));
    }
    return openSnapshotWhere(source, only, {}, {});
}

namespace {
/// "SELECT <the fields wanted> FROM <table>", with the fields' types.
QString selectFields(
    const Connection::TableInfo& info, const QStringList& only, std::vector<std::optional<FieldType>>& types)
{
    QStringList cols;
    for (const Field& f : info.fields)
        if (only.isEmpty() || only.contains(f.name, Qt::CaseInsensitive)) {
            types.push_back(f.type);
            cols << quoted(f.name);
        }
    return "SELECT " + cols.join(',') + " FROM " + info.quotedName;
}
} // namespace

Recordset Database::openSnapshotFrom(const QString& table, int firstRow)
{
    Connection& c = conn();
    std::vector<std::optional<FieldType>> types;
    Stmt s(c, selectFields(*c.table(table), {}, types) + " ORDER BY rowid LIMIT -1 OFFSET ?1");
    s.bind(1, std::max(firstRow, 0));
    return Recordset(std::make_unique<SnapshotImpl>(s, types));
}

Recordset Database::openSnapshotWhere(
    const QString& table, const QStringList& only, const QString& keyField, const QStringList& keys)
{
    Connection& c = conn();
    const auto info = c.table(table);
    std::vector<std::optional<FieldType>> types;
    const QString sql = selectFields(*info, only, types);
    if (keyField.isEmpty()) {
        Stmt s(c, sql + " ORDER BY rowid");
        return Recordset(std::make_unique<SnapshotImpl>(s, types));
    }
    // The keys go in as one JSON array, so that any number of them, with any
    // characters, make one statement; only the wanted rows are copied out.
    Stmt s(c,
        sql + " WHERE ifnull(" + quoted(info->fields[size_t(info->field(keyField))].name) +
            ",'') IN (SELECT value FROM json_each(?1)) ORDER BY rowid");
    s.bind(1, jsonArray(keys));
    return Recordset(std::make_unique<SnapshotImpl>(s, types));
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
bool Recordset::eof() const
{
    impl().readFirstRowIfPending();
    return impl().eof;
}
void Recordset::moveFirst() { impl().moveFirst(); }
void Recordset::moveLast() { impl().moveLast(); }
std::pair<Value, Value> Recordset::minMax(const QString& field) { return impl().minMax(field); }
void Recordset::moveNext() { impl().moveNext(); }
Value Recordset::field(const QString& name) const { return impl().field(name); }
void Recordset::setField(const QString& name, const Value& v) { impl().setField(name, v); }
void Recordset::addNew() { impl().addNew(); }
void Recordset::edit() { impl().edit(); }
void Recordset::update() { impl().update(); }
void Recordset::deleteCurrent() { impl().deleteCurrent(); }
void Recordset::deleteFirst() { impl().deleteFirst(); }
int64_t Recordset::bookmark() const { return impl().bookmark(); }
int64_t Recordset::lastModified() const { return impl().lastModified(); }
void Recordset::close() { impl_.reset(); }

} // namespace dao
