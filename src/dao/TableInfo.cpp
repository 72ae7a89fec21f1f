#include "Connection.h"

// A table's statements and what this connection knows of its rows.

namespace dao {

sqlite3_stmt* Connection::TableInfo::op(Connection& c, Op which) const
{
    Statement& s = ops_[which];
    if (s)
        return s.get();
    const QString& q = quotedName;
    QString sql;
    switch (which) {
    // A move reads the row it lands on: a walk over a table needs no second look-up per row.
    case First:
    case Last:
    case Next:
        sql = "SELECT rowid," + columns + " FROM " + q + (which == Next ? " WHERE rowid > ?" : "") +
            (which == Last ? " ORDER BY rowid DESC LIMIT 1" : " ORDER BY rowid LIMIT 1");
        break;
    case From:
        sql = "SELECT rowid," + columns + " FROM " + q + " WHERE rowid >= ? ORDER BY rowid LIMIT 1";
        break;
    case Insert:
        sql = "INSERT INTO " + q + "(" + columns + ") VALUES(" + QStringList(qsizetype(fields.size()), "?").join(',') +
            ")";
        break;
    case Remove:
        sql = "DELETE FROM " + q + " WHERE rowid=?";
        break;
    case RemoveFirst:
        sql = "DELETE FROM " + q + " WHERE rowid=(SELECT min(rowid) FROM " + q + ") RETURNING " + columns;
        break;
    case OpCount:
        break;
    }
    s = c.prepare(sql, true);
    return s.get();
}

sqlite3_stmt* Connection::TableInfo::update(Connection& c, uint64_t changed) const
{
    for (const auto& [fields, s] : updates_)
        if (fields == changed)
            return s.get();
    QStringList sets;
    for (size_t i = 0; i < fields.size(); ++i)
        if (changed & (uint64_t(1) << i))
            sets << quoted(fields[i].name) + "=?";
    updates_.emplace_back(
        changed, c.prepare("UPDATE " + quotedName + " SET " + sets.join(',') + " WHERE rowid=?", true));
    return updates_.back().second.get();
}

int Connection::TableInfo::indexOf(const QString& name) const
{
    // Callers mostly spell a field as it was created: the exact match is the quick one.
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name == name)
            return int(i);
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int Connection::TableInfo::field(const QString& name) const
{
    const int i = indexOf(name);
    if (i < 0)
        noSuchField(name);
    return i;
}

void noSuchField(const QString& name)
{
    throw Error("Item not found in this collection: field '" + name.toStdString() + "'", 0);
}

namespace {
/// How a compares with b when both are numbers of one kind; none otherwise,
/// where a range in the statistics cannot be sure and is forgotten.
std::optional<int> compareNumbers(const Value& a, const Value& b)
{
    if (a.kind() != b.kind())
        return std::nullopt;
    auto cmp = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    switch (a.kind()) {
    case Value::Kind::Long:
        return cmp(a.asLong(), b.asLong());
    case Value::Kind::Double:
        return cmp(a.asDouble(), b.asDouble());
    case Value::Kind::Currency:
        return cmp(a.asCurrency().ticks(), b.asCurrency().ticks());
    default:
        return std::nullopt;
    }
}
} // namespace

Connection::TableStats* Connection::stats(const TableInfo& t, bool make)
{
    // A recordset opened before the schema changed writes where the statistics no longer look.
    if (t.generation != generation_) {
        forgetStats();
        return nullptr;
    }
    if (t.statsEpoch != statsEpoch_) {
        if (!make)
            return nullptr;
        t.stats = TableStats{};
        t.statsEpoch = statsEpoch_;
    }
    return &t.stats;
}

std::pair<Value, Value> Connection::minMax(const TableInfo& t, int field)
{
    TableStats* k = statsForRead(t);
    if (k) {
        const auto r = k->ranges.find(field);
        if (r != k->ranges.end())
            return {r->second.low, r->second.high};
    }
    // Scanned once: the statistics answer the next call.
    const Field& f = t.fields[size_t(field)];
    Stmt s(
        *this, "SELECT MIN(" + quoted(f.name) + "), MAX(" + quoted(f.name) + ") FROM " + t.quotedName, Stmt::NotKept{});
    const bool row = s.step();
    const Range r{row ? s.value(0, f.type) : Value(), row ? s.value(1, f.type) : Value()};
    if (k)
        k->ranges[field] = r;
    return {r.low, r.high};
}

void Connection::rowInserted(const TableInfo& t, const std::vector<Value>& row)
{
    TableStats* k = stats(t, false);
    if (!k)
        return;
    if (k->rows)
        ++*k->rows;
    for (auto r = k->ranges.begin(); r != k->ranges.end();) {
        const Value& v = row[size_t(r->first)];
        Range& range = r->second;
        if (v.isNull()) { // Min and Max pass over Nulls
            ++r;
            continue;
        }
        if (range.low.isNull()) { // was empty
            range = {v, v};
            ++r;
            continue;
        }
        const auto below = compareNumbers(v, range.low), above = compareNumbers(v, range.high);
        if (!below || !above) {
            r = k->ranges.erase(r);
            continue;
        }
        if (*below < 0)
            range.low = v;
        if (*above > 0)
            range.high = v;
        ++r;
    }
}

void Connection::rowDeleted(const TableInfo& t, const std::vector<Value>& row)
{
    TableStats* k = stats(t, false);
    if (!k)
        return;
    if (k->rows)
        --*k->rows;
    for (auto r = k->ranges.begin(); r != k->ranges.end();) {
        const Value& v = row[size_t(r->first)];
        const Range& range = r->second;
        // Only the row that held the lowest or the highest value moves the range: then it is looked up again.
        const bool keep = v.isNull() ||
            (!range.low.isNull() && compareNumbers(v, range.low).value_or(0) > 0 &&
                compareNumbers(v, range.high).value_or(0) < 0);
        r = keep ? std::next(r) : k->ranges.erase(r);
    }
}

void Connection::fieldsChanged(const TableInfo& t, const std::vector<bool>& changed)
{
    TableStats* k = stats(t, false);
    if (!k)
        return;
    for (size_t i = 0; i < changed.size(); ++i)
        if (changed[i])
            k->ranges.erase(int(i));
}

} // namespace dao
