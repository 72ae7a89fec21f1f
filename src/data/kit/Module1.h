#pragma once
// The values the procedures share for as long as the program runs.
#include "data/dao/Value.h"
#include <QString>

namespace Module1 {

inline dao::Value PlayerName;
inline dao::Value StartingBalance;
/// The open game's file name, relative to the application folder; empty while no game is open.
inline QString GameFileName;
inline QString VersionText;
inline dao::Value TradeUnits, TradePrice, TradeSymbol, TradeSum, CashAvailable;
inline dao::Value LastValue;

} // namespace Module1

// The procedures, each in the folder of its subsystem.
namespace Module1 {

// Game file and new game.
void OpenNewGameWindow();
void PresetStartingBalance();
void StorePlayerName();
void CreateNewGame();
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
void ExecuteTrade();
void RefreshBalance();
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
// Listing and correcting stocks.
void AddAsset();
void FillEditStockList();
void ShowEditStock();
void SaveEditedStock();
// The About window.
void QueryUnloadAbout(int reason);

} // namespace Module1
