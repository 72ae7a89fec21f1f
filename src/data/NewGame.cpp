#include "NewGame.h"
#include "GameName.h"
#include "GameSchema.h"
#include "MarketSchema.h"
#include "OrderBook.h"
#include "WorthLog.h"
#include "dao/Dao.h"
#include "game/Calendar.h"
#include "game/Session.h"
#include "ui/App.h"
#include "ui/Failure.h"
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace NewGame {

namespace {

/// The file on disk whose name equals this one apart from letter case.
QString existingFileIgnoringCase(const QString& fileName)
{
    const QStringList entries = QDir(App::Folder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& e : entries)
        if (e.compare(fileName, Qt::CaseInsensitive) == 0)
            return e;
    return {};
}

/// Why the market cannot be played, in a player's words, or empty when it can.
/// Only read: the file is never changed or replaced without the player.
QString marketProblem()
{
    const QString path = App::MarketFile();
    const dao::FileCheck c = dao::checkFile(path, {MarketSchema::kStocksTable});
    const QString file = QDir::toNativeSeparators(path);
    const QString why = QString::fromStdString(c.detail);
    QString what, todo;
    switch (c.verdict) {
    case dao::FileCheck::Verdict::Sound:
        return {};
    case dao::FileCheck::Verdict::Missing:
        what = QCoreApplication::translate("NewGame", "The market file %1 is missing.").arg(file);
        todo = QCoreApplication::translate("NewGame",
            "Copy it back from a backup. In an installed copy of %1, starting the program again "
            "puts the starter market back.")
                   .arg(App::kTitle);
        break;
    case dao::FileCheck::Verdict::Unreadable:
        what = QCoreApplication::translate("NewGame", "The market file %1 cannot be read (%2).").arg(file, why);
        todo =
            QCoreApplication::translate("NewGame", "Give the file read and write permission, then choose New again.");
        break;
    case dao::FileCheck::Verdict::Busy:
        what = QCoreApplication::translate("NewGame", "The market file %1 is in use by another program (%2).")
                   .arg(file, why);
        todo = QCoreApplication::translate("NewGame", "Close the other program, then choose New again.");
        break;
    case dao::FileCheck::Verdict::Damaged:
        what = QCoreApplication::translate("NewGame", "The market file %1 is damaged and cannot be used (%2).")
                   .arg(file, why);
        todo = QCoreApplication::translate("NewGame",
            "Restore it from a backup copy. In an installed copy of %1 you can instead remove it: "
            "the starter market is put back the next time the program starts.")
                   .arg(App::kTitle);
        break;
    }
    return what + QCoreApplication::translate("NewGame", " No game was started.\n\n") + todo;
}

void writeGameFile(const QString& path, const QString& player, const QString& id, const QDateTime& start)
{
    const dao::Value startingBalance(GameSchema::kStartingBalance);
    dao::Database db = dao::Database::create(path);
    try {
        dao::Transaction tx = db.beginTransaction();
        GameSchema::Create(db);
        using namespace GameSchema;
        dao::Recordset rs = db.openTable(kPlayerTable);
        rs.addNew();
        rs.setField(kNameField, player);
        rs.setField(kCashField, startingBalance);
        rs.setField(kDateField, dao::naiveDateTime(QDate::currentDate()));
        rs.setField(kBalanceField, startingBalance);
        rs.setField(kNewsField, YesNo(false)); // the market moves as it always has until the player asks
        rs.setField(kGameField, id);
        rs.update();
        rs.close();
        WorthLog::KeepStartPrices(db);
        WorthLog::Ensure(db);
        WorthLog::AppendStart(db, start, startingBalance.toCurrency());
        OrderBook::Ensure(db);
        tx.commit();
        db.close();
    } catch (...) {
        // The file is ours: no half-made game stays behind.
        db.close();
        try {
            dao::removeFile(path);
        } catch (const std::exception&) {
            // What made the creation fail is what the player needs to hear.
        }
        throw;
    }
}

/// Makes the game's file whole under a name of its own beside it, then puts it
/// in place of any old one (existing, in another letter case where the file
/// system tells them apart): until the new file is whole, the old one stays.
void putGameFile(const QString& fileName, const QString& existing, const QString& player, const QString& id,
    const QDateTime& start)
{
    const QString path = App::FilePath(fileName), part = path + QStringLiteral(".new");
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile())
        throw dao::Error("'" + path.toStdString() + "' already exists and is no file", 0, path);
    dao::removeFile(part); // one a crash left
    writeGameFile(part, player, id, start);
    try {
        dao::replaceFile(part, path);
    } catch (...) {
        dao::removeFile(part);
        throw;
    }
    if (!existing.isEmpty() && !dao::sameFile(App::FilePath(existing), path))
        dao::removeFile(App::FilePath(existing));
}

/// A new game hears none of the last game's news, nor does its market run on.
void clearNews()
{
    try {
        dao::Database market = dao::Database::open(App::MarketFile());
        if (market.hasTable(MarketSchema::kNewsTable))
            market.deleteAll(MarketSchema::kNewsTable);
    } catch (const std::exception&) {
        // A market that cannot be written now refuses the first move, which says why.
    }
}

} // namespace

std::optional<Refusal> Check(const QString& name)
{
    if (const QString why = GameName::UnusableReason(name); !why.isEmpty())
        return Refusal{
            QCoreApplication::translate("NewGame", "The name \"%1\" cannot be used for a game file: %2.").arg(name, why),
            QCoreApplication::translate("NewGame", "File error")};
    if (const QString why = marketProblem(); !why.isEmpty())
        return Refusal{why, QCoreApplication::translate("NewGame", "Market error"), false};
    return std::nullopt;
}

QString Existing(const QString& name) { return existingFileIgnoringCase(name + QStringLiteral(".sav")); }

QString Create(const QString& name, const QString& existing)
{
    const QString fileName = name + QStringLiteral(".sav");
    const QString id = GameSchema::NewGameId();
    try {
        dao::Database market = dao::Database::open(App::MarketFile());
        MarketSchema::CarryOver(market);
        market.close();
        putGameFile(fileName, existing, name, id, Calendar::DayStart(Session::Current().Clock().BaseDate()));
    } catch (const std::exception& e) {
        QString text = Ui::Failure(QCoreApplication::translate("NewGame", "The game file could not be created"), e);
        if (!existing.isEmpty())
            text += QCoreApplication::translate("NewGame", "\n\nThe file \"%1\" was left as it was.").arg(existing);
        return text;
    }
    // The new game takes over only once its file is made: until then a game
    // that was open keeps its name, its file and its clock.
    clearNews();
    Session::Current().Open(
        {name, fileName, id, dao::Currency::fromDouble(GameSchema::kStartingBalance), false, std::nullopt});
    return {};
}

} // namespace NewGame
