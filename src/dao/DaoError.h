#pragma once
#include <QString>
#include <stdexcept>
#include <string>

namespace dao {

/// Every failure of the data layer: SQLite's message and result code, or our own
/// conversion errors (code 0). A failure of a file names the file and what the
/// operating system said.
class Error : public std::runtime_error {
public:
    Error(const std::string& message, int code, QString file = {}, int systemError = 0)
        : std::runtime_error(message), code_(code), file_(std::move(file)), system_(systemError)
    {
    }
    int code() const { return code_; }
    /// The file the failure concerns; empty where it concerns none.
    const QString& file() const { return file_; }

    /// Why a file could not be used, in terms a player can act on.
    enum class Cause { Full, ReadOnlyFile, UnwritableFolder, Unreadable, Busy, Damaged, Other };
    /// Worked out from the engine's code, the system's error number and, for a
    /// refusal, whether the file is there and, on Unix, the file's and its
    /// folder's permissions as they are now.
    Cause cause() const;

private:
    int code_;
    QString file_;
    int system_;
};

/// A file the system would not create, replace or delete: its error number, in its words.
Error FileError(int systemError, const QString& file);

} // namespace dao
