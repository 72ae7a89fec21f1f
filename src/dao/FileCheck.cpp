#include "Connection.h"
#include <QFileInfo>
#include <QUrl>

// Reading a database file, and only reading it, to say what is wrong with it.

namespace dao {

namespace {

using V = FileCheck::Verdict;

V verdictOf(int code)
{
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return V::Busy;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return V::Unreadable;
    default:
        return V::Damaged;
    }
}

using Handle = std::unique_ptr<sqlite3, CloseDatabase>;

/// Opens the file to read only; as it stands on disk, ignoring a journal, where asked.
std::pair<Handle, int> openToRead(const QString& path, bool asOnDisk)
{
    const QByteArray file = asOnDisk
        ? "file:" + QUrl::fromLocalFile(path).toEncoded(QUrl::RemoveScheme) + "?immutable=1"
        : path.toUtf8(); // SQLite takes every path in UTF-8
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI, nullptr);
    Handle handle(db);
    if (db) {
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, 250);
    }
    return {std::move(handle), rc};
}

/// Runs a statement to its first row; the engine's code.
int firstRow(sqlite3* db, const char* sql, Statement& s)
{
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql, -1, &raw, nullptr);
    s.reset(raw);
    return rc == SQLITE_OK ? sqlite3_step(raw) : rc;
}

/// The pages' own check, and then the tables; a journal left by a crash, which
/// only a writing connection rolls back, is reported as SQLITE_READONLY.
FileCheck readPagesAndTables(sqlite3* db, const QStringList& tables, int& code)
{
    Statement s;
    code = firstRow(db, "PRAGMA quick_check(1)", s);
    if (code != SQLITE_ROW)
        return {verdictOf(code), sqlite3_errmsg(db)};
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s.get(), 0));
    const std::string result = text ? text : "";
    if (result != "ok")
        return {V::Damaged, result};
    for (const QString& t : tables) {
        const QByteArray sql = ("SELECT 1 FROM " + quoted(t) + " LIMIT 0").toUtf8();
        if (firstRow(db, sql.constData(), s) != SQLITE_DONE)
            return {V::Damaged, "it holds no table \"" + t.toStdString() + "\""};
    }
    return {};
}

} // namespace

FileCheck checkFile(const QString& path, const QStringList& tables)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {V::Missing, {}};
    if (!info.isFile())
        return {V::Damaged, "it is a folder, not a file"};
    if (!info.isReadable())
        return {V::Unreadable, "permission denied"};
    auto [db, code] = openToRead(path, false);
    if (code != SQLITE_OK)
        return {verdictOf(code), db ? sqlite3_errmsg(db.get()) : "out of memory"};
    FileCheck out = readPagesAndTables(db.get(), tables, code);
    if ((code & 0xFF) == SQLITE_READONLY) {
        // A journal left by a crash, rolled back by the first writing connection:
        // the file is sound if it holds the tables as it stands on disk.
        std::tie(db, code) = openToRead(path, true);
        out = code == SQLITE_OK ? readPagesAndTables(db.get(), tables, code) : FileCheck{verdictOf(code), {}};
    }
    return out;
}

} // namespace dao
