#include "App.h"
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLockFile>
#include <QTranslator>
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

namespace {
struct Translators {
    QTranslator own, qt;
    QString language;
};
Translators& translators()
{
    static Translators t;
    return t;
}
} // namespace

QString InstallTranslations(const QLocale& locale)
{
    RemoveTranslations();
    Translators& t = translators();
    // The locale's languages in the player's order: the first the program has
    // wins. Without one, the source texts stay, with their English plurals.
    if (!t.own.load(locale, QStringLiteral("ticora"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        if (t.own.load(QStringLiteral(":/i18n/ticora_en.qm")))
            QCoreApplication::installTranslator(&t.own);
        return {};
    }
    QCoreApplication::installTranslator(&t.own);
    if (t.own.language().startsWith(QLatin1String("en")))
        return {}; // the source texts are English
    if (t.qt.load(
            locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&t.qt);
    t.language = t.own.language().section(QLatin1Char('_'), 0, 0);
    return t.language;
}

void RemoveTranslations()
{
    Translators& t = translators();
    QCoreApplication::removeTranslator(&t.own);
    QCoreApplication::removeTranslator(&t.qt);
    t.language.clear();
}

QString Language() { return translators().language; }

QString HelpFileInLanguage()
{
    const QString own = FilePath(QStringLiteral("zolthelp_%1.hlp").arg(Language()));
    return !Language().isEmpty() && QFileInfo::exists(own) ? own : FilePath(QStringLiteral("zolthelp.hlp"));
}

QString Folder()
{
    if (folder().isEmpty())
        folder() = QCoreApplication::applicationDirPath();
    return folder();
}

void SetFolder(const QString& path) { folder() = QDir(path).absolutePath(); }

QString FilePath(const QString& name) { return Folder() + QLatin1Char('/') + name; }

QString MarketFile() { return FilePath(QStringLiteral("stocks.tqs")); }

namespace {
QString placementAdvice()
{
    return QCoreApplication::translate(
        "App", "Free some space on its disk, or give the folder write permission, then start the program again.");
}

/// Copies a file where none is, whole or not at all; says why not, in a player's words.
QString seed(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to))
        return {};
    const QString part = to + QStringLiteral(".seeding");
    QFile::remove(part);
    QFile source(from);
    if (!source.copy(part) || !QFile::rename(part, to)) {
        QFile::remove(part);
        return QCoreApplication::translate("App", "The starter market cannot be copied to %1 (%2). %3")
            .arg(QDir::toNativeSeparators(to), source.errorString(), placementAdvice());
    }
    QFile::setPermissions(to, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return {};
}
} // namespace

Placement PlaceApplicationFolder(const QString& programFolder, const QString& userDataFolder)
{
    const QDir program(programFolder);
    if (program.exists(QStringLiteral("stocks.tqs")))
        return {program.absolutePath(), {}};
    const QDir shipped(program.absoluteFilePath(QStringLiteral("../share/games/varnel-ticora")));
    if (!shipped.exists(QStringLiteral("stocks.tqs")))
        return {program.absolutePath(), {}}; // as it is: the game says what is missing
    if (!QDir().mkpath(userDataFolder))
        return {{},
            QCoreApplication::translate(
                "App", "The folder %1, where %2 keeps the market and the games, cannot be made. %3")
                .arg(QDir::toNativeSeparators(userDataFolder), kTitle, placementAdvice())};
    const QDir user(userDataFolder);
    // The market is the player's once copied; the help follows the installed version.
    const QString error =
        seed(shipped.filePath(QStringLiteral("stocks.tqs")), user.filePath(QStringLiteral("stocks.tqs")));
    if (!error.isEmpty())
        return {{}, error};
    // A help that cannot be copied is said when it is asked for; the game goes on.
    // The help in every language, as this version has it.
    for (const QString& help : shipped.entryList({QStringLiteral("zolthelp*.hlp")}, QDir::Files)) {
        QFile::remove(user.filePath(help));
        seed(shipped.filePath(help), user.filePath(help));
    }
    return {user.absolutePath(), {}};
}

QString HelpFile() { return helpFile(); }

void SetHelpFile(const QString& path) { helpFile() = path; }

std::pair<QString, QString> InstanceLockFiles()
{
    const QByteArray h = QCryptographicHash::hash(Folder().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return {FilePath(QStringLiteral(".varnel-ticora.lock")),
        QDir::tempPath() + QStringLiteral("/varnel-ticora-") + QString::fromLatin1(h) + QStringLiteral(".lock")};
}

namespace {
enum class Taken { Yes, ByAnother, Unwritable };
Taken take(const QString& path, std::unique_ptr<QLockFile>& out)
{
    out = std::make_unique<QLockFile>(path);
    out->setStaleLockTime(0); // stale only when its owner has died, never by age
    if (out->tryLock(0))
        return Taken::Yes;
    const bool held = out->error() == QLockFile::LockFailedError;
    out.reset();
    return held ? Taken::ByAnother : Taken::Unwritable;
}
} // namespace

bool AcquireInstanceLock()
{
    if (lock())
        return true;
    const auto [own, spare] = InstanceLockFiles();
    std::unique_ptr<QLockFile> l;
    switch (take(own, l)) {
    case Taken::ByAnother:
        return false;
    case Taken::Yes: {
        // A copy that could not write the folder holds the stand-in.
        std::unique_ptr<QLockFile> probe;
        if (take(spare, probe) == Taken::ByAnother)
            return false;
        break;
    }
    case Taken::Unwritable:
        if (take(spare, l) == Taken::ByAnother)
            return false;
        break;
    }
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
