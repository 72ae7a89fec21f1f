#pragma once
// The values the procedures share for as long as the program runs.
#include "data/dao/Value.h"
#include <QString>
#include <optional>

namespace Module1 {

inline dao::Value PlayerName;
inline dao::Value StartingBalance;
/// The open game's file name, relative to the application folder; empty while
/// no game is open. It and PlayerName are written by the session only.
inline QString GameFileName;
inline QString VersionText;
/// The last trade's values, written once by ExecuteTrade for their readers.
inline dao::Value TradeUnits, TradePrice, TradeSymbol, CashAvailable;

} // namespace Module1

// The procedures, each in the folder of its subsystem.
namespace Module1 {

// Game file and new game.
void OpenNewGameWindow();
void PresetStartingBalance();
/// The name typed into the Information window.
QString StorePlayerName();
/// A game for the player; the open game, if any, stays as it was unless the new file is made.
void CreateNewGame(const QString& player);
// Closing a game.
void CloseGame();
// Clock and market.
void AdvanceClock();
void StartNewTradingDay();
void MarketTick();
// Trading.
void FillTradingStockList();
void ShowTradingStock();
void SendKeyN();
/// One trade as the desk asks for it: the chosen stock and its price as shown
/// when it was chosen (none when no stock is), the units as typed, the type.
struct Trade {
    enum class Type { None, Buy, Sell, CoverShort, SellShort };
    QString symbol;
    std::optional<dao::Currency> price;
    QString units;
    Type type = Type::None;
};
/// What came of it: refused before the sum (the hours, the units, the type,
/// the stock), or with the sum worked out; recorded when a row was added.
struct TradeOutcome {
    std::optional<dao::Currency> sum;
    bool recorded = false;
};
TradeOutcome ExecuteTrade(const Trade& trade);
void RefreshBalance();
// Orders the market fills: the Orders window's grid, and its two buttons.
void RefreshOrders();
void PlaceOrder();
void CancelOrder();
// The price board and the chart.
void RefreshPriceInformation();
void FillChartStockList();
void ShowChartStockName();
void ShowStockChart();
void RedrawStockChart();
// Holdings reports.
void RefreshPosition();
void RefreshPortfolio();
void RefreshTransactions();
/// The Performance window, where it is loaded: the worth since the game began
/// and the gain on every stock traded.
void RefreshPerformance();
// Listing and correcting stocks.
void AddAsset();
void FillEditStockList();
void ShowEditStock();
void SaveEditedStock();
// The About window.
void QueryUnloadAbout(int reason);

} // namespace Module1
