#include "App.h"
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <memory>

namespace App {

namespace {
QString& folder()
{
    static QString f;
    return f;
}
QString& helpFile()
{
    static QString h;
    return h;
}
std::unique_ptr<QLockFile>& lock()
{
    static std::unique_ptr<QLockFile> l;
    return l;
}
bool& endRequested()
{
    static bool e = false;
    return e;
}
} // namespace

QString Folder()
{
    if (folder().isEmpty())
        folder() = QCoreApplication::applicationDirPath();
    return folder();
}

void SetFolder(const QString& path) { folder() = QDir(path).absolutePath(); }

QString FilePath(const QString& name) { return Folder() + QLatin1Char('/') + name; }

QString HelpFile() { return helpFile(); }

void SetHelpFile(const QString& path) { helpFile() = path; }

bool AcquireInstanceLock()
{
    if (lock())
        return true;
    QString path = FilePath(QStringLiteral(".varnel-ticora.lock"));
    if (!QFileInfo(Folder()).isWritable()) {
        // A read-only installation still gets one lock per application folder.
        const QByteArray h = QCryptographicHash::hash(Folder().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        path = QDir::tempPath() + QStringLiteral("/varnel-ticora-") + QString::fromLatin1(h) + QStringLiteral(".lock");
    }
    auto l = std::make_unique<QLockFile>(path);
    l->setStaleLockTime(0); // stale only when its owner has died, never by age
    if (!l->tryLock(0))
        return false;
    lock() = std::move(l);
    return true;
}

void ReleaseInstanceLock() { lock().reset(); }

void EndProgram()
{
    endRequested() = true;
    QCoreApplication::quit();
}

bool EndRequested() { return endRequested(); }

void ResetEndRequest() { endRequested() = false; }

} // namespace App
