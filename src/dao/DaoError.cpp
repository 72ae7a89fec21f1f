#include "DaoError.h"
#include <QFileInfo>
#include <cerrno>
#include <sqlite3.h>

namespace dao {

Error::Cause Error::cause() const
{
    const int primary = code_ & 0xFF;
    // A file-size limit stops a write as a full disk does: no room for it to grow.
    if (primary == SQLITE_FULL || system_ == ENOSPC || system_ == EDQUOT || system_ == EFBIG)
        return Cause::Full;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        return Cause::Busy;
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB)
        return Cause::Damaged;
    const bool refused = primary == SQLITE_READONLY || primary == SQLITE_CANTOPEN || primary == SQLITE_PERM ||
        primary == SQLITE_IOERR || system_ == EACCES || system_ == EPERM || system_ == EROFS;
    if (refused && !file_.isEmpty()) {
        const QFileInfo f(file_);
        if (f.exists() && !f.isReadable())
            return Cause::Unreadable;
        if (f.exists() && !f.isWritable())
            return Cause::ReadOnlyFile;
        if (!QFileInfo(f.absolutePath()).isWritable())
            return Cause::UnwritableFolder;
    }
    return Cause::Other;
}

Error FileError(const QString& systemWords, const QString& file)
{
    return Error(systemWords.toStdString(), SQLITE_CANTOPEN, file);
}

} // namespace dao
