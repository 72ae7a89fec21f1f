// The cache of connections between openings, and what replaces or removes a
// file together with the connections kept to it.
#include "Connection.h"
#include <QFileInfo>
#include <list>
#include <sqlite3.h>

namespace dao {

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

} // namespace

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
        throw Error("Could not find file '" + path.toStdString() + "'", SQLITE_CANTOPEN, key);
    return std::make_shared<Connection>(key, false);
}

void giveBack(std::shared_ptr<Connection> c)
{
    // Kept for the next opening only when no recordset or transaction of this
    // one still holds it: two users never share one, nor its flags.
    if (!c || c.use_count() > 1 || c->inTransaction || sqlite3_get_autocommit(c->db()) == 0 ||
        c->path == QLatin1String(kScratch))
        return; // never reuse a scratch one, or one in an unknown transaction state
    auto& idle = pool().idle;
    idle.push_front(std::move(c));
    while (idle.size() > Pool::kMaxIdle)
        idle.pop_back();
}

namespace {
void forget(const QString& path)
{
    const QString key = canonical(path);
    pool().idle.remove_if([&](const std::shared_ptr<Connection>& c) { return c->path == key; });
}
constexpr const char* kBeside[] = {"-journal", "-wal", "-shm"};
} // namespace

void removeFile(const QString& path)
{
    forget(path);
    for (const char* suffix : kBeside)
        if (const int error = Remove(path + QLatin1String(suffix)))
            throw FileError(error, path + QLatin1String(suffix));
    if (const int error = Remove(path))
        throw FileError(error, path);
}

void replaceFile(const QString& from, const QString& to)
{
    forget(from);
    forget(to);
    // A journal a crash left beside the old file is rolled back into it by a
    // connection's first reading, and gone: a file that has one is settled first.
    if (QFileInfo::exists(to + QLatin1String(kBeside[0]))) {
        try {
            Connection settle(canonical(to), false);
        } catch (const Error&) {
            // No database: its journal is nothing to it.
        }
    }
    if (const int error = RenameOver(from, to))
        throw FileError(error, to);
    // What is still beside it was the old file's, and would be taken for the new one's.
    for (const char* suffix : kBeside)
        Remove(to + QLatin1String(suffix));
}

bool sameFile(const QString& a, const QString& b)
{
    const std::optional<FileIdentity> one = IdentityOf(a);
    return one && one == IdentityOf(b);
}

void releaseAll() { pool().idle.clear(); }

MemoryUse memoryInUse()
{
    MemoryUse use;
    auto add = [](sqlite3* db, int what, int64_t& to) {
        int now = 0, highest = 0;
        if (sqlite3_db_status(db, what, &now, &highest, 0) == SQLITE_OK)
            to += now;
    };
    for (const std::shared_ptr<Connection>& c : pool().idle) {
        add(c->db(), SQLITE_DBSTATUS_CACHE_USED, use.pages);
        add(c->db(), SQLITE_DBSTATUS_SCHEMA_USED, use.schema);
        add(c->db(), SQLITE_DBSTATUS_STMT_USED, use.statements);
    }
    return use;
}

} // namespace dao
