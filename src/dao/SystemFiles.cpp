#include "SystemFiles.h"
#include <QFile>
#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace dao {

std::optional<FileIdentity> IdentityOf(const QString& path)
{
#ifdef _WIN32
    // Opened for no access at all, sharing everything: it gets in no one's way.
    const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), 0,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    if (!known)
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, (uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
#else
    struct stat st { };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return FileIdentity{uint64_t(st.st_dev), uint64_t(st.st_ino)};
#endif
}

int CreateNew(const QString& path)
{
#ifdef _WIN32
    const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return int(GetLastError());
    CloseHandle(h);
    return 0;
#else
    // Exclusive: an existing file is never opened for writing.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
#endif
}

int Remove(const QString& path)
{
#ifdef _WIN32
    if (DeleteFileW(reinterpret_cast<const wchar_t*>(path.utf16())))
        return 0;
    const int error = int(GetLastError());
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0 : error;
#else
    return ::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT ? 0 : errno;
#endif
}

int RenameOver(const QString& from, const QString& to)
{
#ifdef _WIN32
    const bool done = MoveFileExW(reinterpret_cast<const wchar_t*>(from.utf16()),
        reinterpret_cast<const wchar_t*>(to.utf16()), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return done ? 0 : int(GetLastError());
#else
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0 ? 0 : errno;
#endif
}

QString SystemWords(int error)
{
#ifdef _WIN32
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
            FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString words = n ? QString::fromWCharArray(text, int(n)).trimmed() : QString::number(error);
    LocalFree(text);
    return words;
#else
    return QString::fromLocal8Bit(std::strerror(error));
#endif
}

} // namespace dao
