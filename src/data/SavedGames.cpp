#include "SavedGames.h"
#include "GameSchema.h"
#include "MarketSchema.h"
#include "OrderBook.h"
#include "WorthLog.h"
#include "dao/Dao.h"
#include "game/Calendar.h"
#include "game/Session.h"
#include "ui/App.h"
#include "ui/Failure.h"
#include "ui/Numbers.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace SavedGames {

namespace {

QString leftAlone()
{
    return QCoreApplication::translate(
        "SavedGames", " The file was left as it is: restore it from a backup copy, or delete it.");
}

QString problemOf(const dao::FileCheck& c)
{
    const QString why = QString::fromStdString(c.detail);
    switch (c.verdict) {
    case dao::FileCheck::Verdict::Sound:
        break;
    case dao::FileCheck::Verdict::Missing:
        return QCoreApplication::translate("SavedGames", "the file is no longer there.");
    case dao::FileCheck::Verdict::Unreadable:
        return QCoreApplication::translate(
            "SavedGames", "it cannot be read (%1). Give the file read permission, then try again.")
            .arg(why);
    case dao::FileCheck::Verdict::Busy:
        return QCoreApplication::translate(
            "SavedGames", "it is in use by another program (%1). Close the other program, then try again.")
            .arg(why);
    case dao::FileCheck::Verdict::Damaged:
        return QCoreApplication::translate("SavedGames", "it is damaged or is not a game of %1 (%2).")
                   .arg(App::kTitle, why) +
            leftAlone();
    }
    return {};
}

/// The file as the list tells it; valued at the market's prices where asked.
SavedGame readGame(const QString& fileName, bool valued)
{
    SavedGame g;
    g.fileName = fileName;
    const QString path = App::FilePath(fileName);
    g.changed = QFileInfo(path).lastModified().date();
    g.problem = problemOf(dao::checkFile(path, GameSchema::Objects()));
    if (!g.problem.isEmpty())
        return g;
    try {
        dao::Database game = dao::Database::open(path);
        dao::Transaction view = game.beginRead();
        dao::Recordset info = game.openSnapshot(GameSchema::kPlayerTable);
        if (info.recordCount() == 0) {
            g.problem = QCoreApplication::translate("SavedGames", "it holds no player's record.") + leftAlone();
            return g;
        }
        g.player = Numbers::PlainText(info.field(GameSchema::kNameField));
        g.startingBalance = GameSchema::StartingBalanceOf(info);
        dao::Recordset log = game.openSnapshot(GameSchema::kTradeTable, {GameSchema::kSymbolField});
        log.moveLast();
        g.trades = log.recordCount();
        try {
            if (valued)
                g.worth = Holdings::WorthOf(game, g.startingBalance);
        } catch (const std::exception&) {
            // The market's trouble, not the game's: it is still listed, unvalued.
        }
    } catch (const std::exception& e) {
        g.problem = QCoreApplication::translate("SavedGames", "it cannot be read as a game (%1).")
                        .arg(QString::fromUtf8(e.what())) +
            leftAlone();
    }
    return g;
}

} // namespace

QString SavedGame::Name() const
{
    if (player.isEmpty())
        return fileName;
    if (fileName.compare(player + QStringLiteral(".sav"), Qt::CaseInsensitive) == 0)
        return player;
    return QStringLiteral("%1 (%2)").arg(player, fileName);
}

QString SavedGame::Line() const
{
    const QString day = QLocale().toString(changed, QLocale::LongFormat);
    if (!problem.isEmpty())
        return QCoreApplication::translate("SavedGames", "%1: cannot be continued: %2 Last changed %3.")
            .arg(fileName, problem, day);
    const QString trades = QCoreApplication::translate("SavedGames", "%n trade(s)", nullptr, this->trades);
    const QString figures = worth
        ? QCoreApplication::translate("SavedGames", "cash %1, stocks %2, balance %3")
              .arg(Numbers::PlainText(worth->cash),
                  worth->stocks ? Numbers::PlainText(*worth->stocks)
                                : QCoreApplication::translate("SavedGames", "none"),
                  Numbers::PlainText(worth->balance()))
        : QCoreApplication::translate("SavedGames", "its worth cannot be read from the market now");
    return QCoreApplication::translate("SavedGames", "%1: %2, %3. Last played %4.").arg(Name(), trades, figures, day);
}

SavedGame Read(const QString& fileName) { return readGame(fileName, true); }

std::vector<SavedGame> List(const ::Game* open)
{
    QDir folder(App::Folder());
    folder.setNameFilters({QStringLiteral("*.sav")});
    folder.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    folder.setSorting(QDir::Name | QDir::IgnoreCase);
    std::vector<SavedGame> out;
    for (const QString& f : folder.entryList()) // name filters match in any letter case
        if (!open || f != open->GameFileName) // the game being played is no game left
            out.push_back(Read(f));
    return out;
}

QString Continue(const QString& fileName)
{
    if (Session::Current().IsOpen())
        return QCoreApplication::translate("SavedGames", "A game is open. Close it before you continue another.");
    const SavedGame g = readGame(fileName, false); // checked again: it may have changed since it was listed
    if (!g.problem.isEmpty())
        return QCoreApplication::translate("SavedGames", "The game in \"%1\" cannot be continued: %2")
            .arg(fileName, g.problem);
    Game::Record record{g.player, fileName, {}, g.startingBalance, false, std::nullopt};
    try {
        dao::Database market = dao::Database::open(App::MarketFile());
        MarketSchema::CarryOver(market);
        market.close();
        // An older game's file gets its identity, the tables of the game's
        // worth, whose series starts now, of its orders and of the market's
        // prices, whose line starts now.
        dao::Database game = dao::Database::open(App::FilePath(fileName));
        dao::Transaction tx = game.beginTransaction();
        record.id = GameSchema::EnsureGameId(game);
        WorthLog::KeepStartPrices(game);
        if (WorthLog::Ensure(game))
            WorthLog::AppendStart(game, Calendar::DayStart(Session::Current().Clock().BaseDate()), g.startingBalance);
        OrderBook::Ensure(game);
        record.news = GameSchema::NewsOf(game);
        record.lastPlayed = WorthLog::LastTime(game);
        tx.commit();
    } catch (const std::exception& e) {
        return Ui::Failure(
            QCoreApplication::translate("SavedGames", "The game in \"%1\" cannot be continued").arg(fileName), e);
    }
    Session::Current().Open(record);
    return {};
}

} // namespace SavedGames
