#pragma once
// What the program asks of the operating system's files beyond what Qt says:
// which file a path names, and a file put in another's place whole.
#include <QString>
#include <cstdint>
#include <optional>

namespace dao {

/// Which file a path names, as the system tells files apart: a file replaced
/// or deleted and made again under the same name is another file.
struct FileIdentity {
    uint64_t volume = 0, file = 0;
    bool operator==(const FileIdentity&) const = default;
};
/// None where the path names no file that can be looked at.
std::optional<FileIdentity> IdentityOf(const QString& path);

/// Makes a new, empty file where none is; the system's error number, 0 when made.
int CreateNew(const QString& path);
/// Deletes a file; the system's error number, 0 when deleted or not there.
int Remove(const QString& path);
/// Puts the file from in to's place in one step: whoever looks finds either
/// the old file whole or the new one whole. The system's error number, 0 when done.
int RenameOver(const QString& from, const QString& to);
/// Whether a file may be deleted while another holds it open: not on Windows.
#ifdef _WIN32
inline constexpr bool kOpenFilesDeletable = false;
#else
inline constexpr bool kOpenFilesDeletable = true;
#endif
/// The system's words for its error number.
QString SystemWords(int error);

} // namespace dao
