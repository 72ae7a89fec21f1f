#pragma once
// Everything the tests drive: the windows, the procedures and the fixtures.
#include "Fixtures.h"
#include "app/GameShell.h"
#include "app/PictureBox.h"
#include "app/frmAbout.h"
#include "app/frmEditor.h"
#include "app/frmHelp.h"
#include "app/kit/App.h"
#include "app/kit/Exchange.h"
#include "app/kit/FlexGrid.h"
#include "app/kit/Forms.h"
#include "app/kit/Module1.h"
#include "app/kit/MsgBox.h"
#include "app/kit/Numbers.h"
#include "app/kit/VbTimer.h"
#include "assets/Form6.h"
#include "assets/Form7.h"
#include "assets/Symbols.h"
#include "data/Form2.h"
#include "data/MarketSchema.h"
#include "data/dao/Dao.h"
#include "market/Clock.h"
#include "market/Form10.h"
#include "market/Form4.h"
#include "market/Form9.h"
#include "market/PriceFactor.h"
#include "market/StarterMarket.h"
#include "market/StockChart.h"
#include "reports/Form11.h"
#include "reports/Form13.h"
#include "reports/Form5.h"
#include "trading/Form1.h"
#include "trading/Form3.h"
#include <QtCharts>
#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sqlite3.h>
#include <unistd.h>

/// A main window in its application folder, with helpers to play.
class GameTest : public AppFolderTest {
protected:
    void SetUp() override;
    /// New from the menu, the name typed, Enter pressed.
    void startGame(const QString& name);
    /// Puts the clock on a time as if it had ticked there.
    void setClock(const QDateTime& t);
    QDateTime at(int dayOffset, int h, int m) const;
    QStringList folderFiles() const;
    /// Whether the menus, toolbar and clock are all in their game-open state
    /// (or all in their no-game state); false when they disagree.
    bool gameState(bool open) const;

    dao::Database market() { return dao::Database::open(path("stocks.tqs")); }
    struct Stock {
        QString symbol;
        dao::Value price, min, max, volume;
        int historyRows, dayRows;
    };
    std::vector<Stock> stocks();
    void setPrice(const QString& symbol, double price) { setFields(symbol, {{"Stockcurrent Price", price}}); }
    /// Stores fields of a stock's row.
    void setFields(const QString& symbol, std::initializer_list<std::pair<const char*, dao::Value>> fields);
    /// A trade as a player makes it: the desk opened from the menu, the stock
    /// chosen from its list, the units typed, the type picked by its caption
    /// (none when empty), Enter pressed.
    void trade(const QString& symbol, const QString& units, const QString& type);
    /// Appends a row to the open game's trade log, as a trade would.
    void logTrade(const QString& symbol, double price, int units, double result);

    frmEditor* ed = nullptr;
};

class FlexGrid;
/// A grid's cells, a row a string with the columns joined by '|'.
QStringList GridRows(const FlexGrid& g);
