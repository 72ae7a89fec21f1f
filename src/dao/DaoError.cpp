#include "DaoError.h"
#include "SystemFiles.h"
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <sqlite3.h>

namespace dao {

namespace {
// What the system says of a write that found no room, of a file it would not
// let us have, and of one another program holds: error numbers on Unix,
// GetLastError codes on Windows.
#ifdef _WIN32
constexpr int kNoRoom[] = {39, 112}; // ERROR_HANDLE_DISK_FULL, ERROR_DISK_FULL
constexpr int kRefused[] = {5, 19}; // ERROR_ACCESS_DENIED, ERROR_WRITE_PROTECT
constexpr int kInUse[] = {32, 33}; // ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION
#else
// A file-size limit stops a write as a full disk does: no room for it to grow.
constexpr int kNoRoom[] = {ENOSPC, EDQUOT, EFBIG};
constexpr int kRefused[] = {EACCES, EPERM, EROFS};
constexpr int kInUse[] = {ETXTBSY};
#endif
bool among(int system, const auto& codes)
{
    return system != 0 && std::find(std::begin(codes), std::end(codes), system) != std::end(codes);
}
} // namespace

Error::Cause Error::cause() const
{
    const int primary = code_ & 0xFF;
    if (primary == SQLITE_FULL || among(system_, kNoRoom))
        return Cause::Full;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED || among(system_, kInUse))
        return Cause::Busy;
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB)
        return Cause::Damaged;
    const bool refused = primary == SQLITE_READONLY || primary == SQLITE_CANTOPEN || primary == SQLITE_PERM ||
        primary == SQLITE_IOERR || among(system_, kRefused);
    if (!refused || file_.isEmpty())
        return Cause::Other;
    const QFileInfo f(file_);
#ifdef _WIN32
    // Windows keeps its permissions where Qt does not look unless asked: what
    // it answered tells. A file not there could not be made; one there was
    // refused itself, or could not even be read where the engine could not open it.
    if (primary == SQLITE_IOERR && !among(system_, kRefused))
        return Cause::Other;
    if (!f.exists())
        return Cause::UnwritableFolder;
    return primary == SQLITE_CANTOPEN ? Cause::Unreadable : Cause::ReadOnlyFile;
#else
    if (f.exists() && !f.isReadable())
        return Cause::Unreadable;
    if (f.exists() && !f.isWritable())
        return Cause::ReadOnlyFile;
    if (!QFileInfo(f.absolutePath()).isWritable())
        return Cause::UnwritableFolder;
    return Cause::Other;
#endif
}

Error FileError(int systemError, const QString& file)
{
    return Error(SystemWords(systemError).toStdString(), SQLITE_PERM, file, systemError);
}

} // namespace dao
