#pragma once
// Everything the tests drive: the windows, the procedures and the fixtures: a
// temporary application folder with its own copy of the starter market, a
// message-box recorder that answers, scripted random draws, a game to play.
#include "app/AboutDialog.h"
#include "app/Bars.h"
#include "app/ClockMenu.h"
#include "app/EndGame.h"
#include "app/GamePanel.h"
#include "app/GameShell.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "assets/AddAssetDialog.h"
#include "assets/EditStockDialog.h"
#include "dao/Dao.h"
#include "data/ContinueDialog.h"
#include "data/GameSchema.h"
#include "data/MarketSchema.h"
#include "data/NewGameDialog.h"
#include "game/Calendar.h"
#include "game/GameTimer.h"
#include "game/Session.h"
#include "market/Clock.h"
#include "market/MarketTick.h"
#include "market/PriceBoard.h"
#include "market/PriceFactor.h"
#include "market/StarterMarket.h"
#include "market/StockChart.h"
#include "market/StockChartView.h"
#include "market/StockPerformanceDialog.h"
#include "reports/PortfolioWindow.h"
#include "reports/PositionWindow.h"
#include "reports/TransactionsWindow.h"
#include "trading/BalanceWindow.h"
#include "trading/ExecuteTrade.h"
#include "trading/TradingDesk.h"
#include "ui/App.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"
#include "ui/Numbers.h"
#include "ui/ReportGrid.h"
#include <QtCharts>
#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sqlite3.h>

class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder() { Ui::SetMsgBoxHandler(previous_); }
    std::vector<Ui::MsgBoxRequest> messages;
    std::deque<Ui::Answer> answers;
    /// Runs while each box waits, as a timer's event would.
    std::function<void()> whileShown;
    QStringList texts() const
    {
        QStringList t;
        for (const auto& m : messages)
            t << m.text;
        return t;
    }

private:
    Ui::MsgBoxHandler previous_;
};

class AppFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    QString path(const QString& name) const { return dir_.filePath(name); }
    /// The open game; none while no game is open.
    static const Game* game() { return Session::Current().CurrentGame(); }
    QString folder() const { return dir_.path(); }
    /// A file's bytes; none when it is not there.
    std::optional<QByteArray> fileBytes(const QString& name) const;

    QTemporaryDir dir_;
    MessageRecorder msgs;
};

/// A full disk for the databases while it lives: a write of SQLite's that would
/// grow a file by more than the room left fails as on a full disk.
class FullDisk {
public:
    explicit FullDisk(long room);
    ~FullDisk();
};

/// The market's draws come from the list, round and round.
inline void ScriptDraws(std::vector<int> draws)
{
    Market::SetDrawSource(
        [draws = std::move(draws), i = size_t(0)](int, int) mutable { return draws[i++ % draws.size()]; });
}
inline void ResetDraws() { Market::SetDrawSource({}); }

inline dao::Currency money(double v) { return dao::Currency::fromDouble(v); }

QStringList RawRows(const QString& file, const QString& sql);

void AddTrade(dao::Database& game, const QString& symbol, dao::Value price, dao::Value units, dao::Value result);

inline void ProcessDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
/// What the shell tells once the handler that told it has returned.
inline void Deliver() { QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); }
/// The market's timer fires: a move, and what the shell tells of it.
inline void Tick()
{
    GameShell::MoveMarket();
    Deliver();
}
/// The clock's timer fires.
inline void Minute()
{
    GameShell::AdvanceClock();
    Deliver();
}
/// The window of type T, opened as the player opens it, or the one open.
template <class T> T& Opened()
{
    if (T* w = Forms::IfLoaded<T>())
        return *w;
    GameShell::ShowWindow<T>();
    return *Forms::IfLoaded<T>();
}

/// A path the build wrote into the tests, as it names a file wherever a test
/// stands: on Windows a path from the root is on the drive the tests started
/// on, which a test's own folder would change.
QString BuiltPath(const char* path);

/// The market every test starts from: the build's, or the copy beside a child
/// that runs where the build cannot be reached.
QString TestMarket();

/// Starts one disabled test of this program in a child process, with the
/// folder as its application folder, as an unprivileged user where asked:
/// then from a copy of the program in a folder that user can reach, since
/// the build may lie in a folder only its owner can enter.
void StartChildTest(QProcess& child, const char* test, const QString& folder, bool unprivileged = false);

namespace dao {
inline void PrintTo(const Value& v, std::ostream* os)
{
    static const char* kinds[] = {"Null", "Long", "Double", "Currency", "Text", "DateTime"};
    *os << kinds[int(v.kind())] << "(" << Numbers::PlainText(v).toStdString() << ")";
}
} // namespace dao

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

/// A main window in its application folder, with helpers to play.
class GameTest : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ed = &Forms::Get<MainWindow>();
    }
    /// New from the menu, the name typed, Enter pressed.
    void startGame(const QString& name);
    /// Puts the clock on a time as if it had ticked there.
    void setClock(const std::optional<QDateTime>& t) { Session::Current().Clock().SetTime(t); }
    static QDateTime at(int dayOffset, int h, int m)
    {
        return dao::naiveDateTime(Session::Current().Clock().BaseDate().addDays(dayOffset), QTime(h, m));
    }
    QStringList folderFiles() const
    {
        return QDir(folder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }
    /// That the session holds the game open (or closed) and the main window
    /// shows it so: its menus and toolbar, and when closed no clock and no market.
    void expectGame(bool open) const;

    dao::Database market() { return dao::Database::open(path("stocks.tqs")); }
    struct Stock {
        QString symbol;
        dao::Value price, min, max, volume;
        int historyRows, dayRows;
        bool operator==(const Stock&) const = default;
        friend void PrintTo(const Stock& s, std::ostream* os)
        {
            *os << qPrintable(
                       QStringList({s.symbol, Numbers::PlainText(s.price), Numbers::PlainText(s.volume)}).join(' '))
                << ' ' << s.historyRows << ' ' << s.dayRows;
        }
    };
    std::vector<Stock> stocks();
    void setPrice(const QString& symbol, double price) { setFields(symbol, {{"Stockcurrent Price", price}}); }
    /// Stores fields of a stock's row.
    void setFields(const QString& symbol, std::initializer_list<std::pair<const char*, dao::Value>> fields);
    /// A trade as a player makes it: the desk opened from the menu, the stock
    /// chosen from its list, the units typed, the type picked by its caption
    /// (none when empty), Enter pressed.
    void trade(const QString& symbol, const QString& units, const QString& type);
    /// Types into the Add Asset window's boxes and presses Enter; a window a
    /// refusal kept open is left open, to be looked at, and closed by the next.
    void addStock(const QString& name, const QString& symbol, const QString& price, const QString& min = {},
        const QString& max = {}, const QString& volume = {});
    /// Appends a row to the open game's trade log, as a trade would.
    void logTrade(const QString& symbol, double price, int units, double result)
    {
        dao::Database file = game()->Open();
        AddTrade(file, symbol, price, units, result);
    }

    MainWindow* ed = nullptr;
};

/// A game called Trader, its clock at 10:00 of its first day: the exchange open.
class OpenGameTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        startGame("Trader");
        setClock(at(0, 10, 0));
    }
};

/// The loaded window whose form name this is.
QWidget* FindForm(const QString& name);

/// Picks a list's entry with the arrow key, as a player would.
void ChooseByKey(QComboBox* list, const QString& symbol);
/// No option of the group chosen, as a window opens.
void ClearChoice(QButtonGroup* g);
/// A trade's type by its English caption; none for any other text.
std::optional<TradeType> TypeNamed(const QString& caption);

/// A grid's cells, a row a string with the columns joined by '|'.
QStringList GridRows(const ReportGrid& g);
