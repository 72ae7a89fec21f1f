#pragma once
// Which file a path names, as the system tells files apart: a file replaced
// or deleted and made again under the same name is another file.
#include <QString>
#include <cstdint>
#include <optional>

namespace dao {

struct FileIdentity {
    uint64_t volume = 0, file = 0;
    bool operator==(const FileIdentity&) const = default;
};
/// None where the path names no file that can be looked at.
std::optional<FileIdentity> IdentityOf(const QString& path);

} // namespace dao
