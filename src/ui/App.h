#pragma once
// The application object: its folder, title, help file and the one-instance rule.
#include <QLocale>
#include <QString>
#include <utility>

namespace App {

inline const QString kTitle = QStringLiteral("Varnel Ticora");
inline const QString kVersion = QStringLiteral("V1.0");

/// The application folder: where the program, stocks.tqs, the help file and the
/// game files live. Defaults to the executable's folder; tests set their own.
QString Folder();
void SetFolder(const QString& path);
/// A file name inside the application folder.
QString FilePath(const QString& name);
/// The market database: stocks.tqs in the application folder.
QString MarketFile();

/// Where the program keeps its files when installed: beside the program when
/// stocks.tqs is there (a portable folder), else, for a system installation
/// that ships its starter files in share/games/varnel-ticora, the user's own data
/// folder, seeded from them. Returns the folder, or an error text.
struct Placement {
    QString folder;
    QString error;
};
Placement PlaceApplicationFolder(const QString& programFolder, const QString& userDataFolder);

/// The program's texts in the locale's language, where the program has a
/// catalogue for it, and then Qt's own texts (its buttons and dialogs) in it
/// too; the language loaded ("de"), or empty where the source texts stay.
QString InstallTranslations(const QLocale& locale);
/// Back to the source texts; for tests.
void RemoveTranslations();
/// The language InstallTranslations loaded; empty for the source texts.
QString Language();

/// The help file in the player's language, in the application folder:
/// zolthelp_<language>.hlp where it is there, else zolthelp.hlp.
QString HelpFileInLanguage();
QString HelpFile();
void SetHelpFile(const QString& path);

/// Takes the one-instance lock of this application folder; false only when
/// another running instance holds it. A lock the folder has no room or no
/// permission for is taken in the temporary folder instead, and where even
/// that cannot be written the program starts without one: a full disk is met
/// where it stops something, not taken for another copy. The lock dies with
/// the process.
bool AcquireInstanceLock();
/// The lock's file in the application folder, and the one in the temporary
/// folder that stands in for it.
std::pair<QString, QString> InstanceLockFiles();
void ReleaseInstanceLock();

/// Ends the program once control returns to the event loop.
void EndProgram();
bool EndRequested();
void ResetEndRequest();

} // namespace App
