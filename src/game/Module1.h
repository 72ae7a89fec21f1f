#pragma once
#include "Game.h"
#include <QString>
#include <optional>

// The procedures, each in the folder of its subsystem.
namespace Module1 {

// Game file and new game.
void OpenNewGameWindow();
/// The Information window shows the balance every new game starts with.
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
/// Moves every stock; with the game's news where its market has news.
void MarketTick(const Game* game);
// Trading.
void FillTradingStockList();
void ShowTradingStock();
/// The desk's stock as the market prices it now, where the desk is open with one chosen.
void RefreshTradingStock();
void SendKeyN();
/// The desk's cash and the units held of its stock, where it is loaded.
void ShowDeskHoldings(const Game* game);
/// One trade as the desk asks for it: the chosen stock and its price as the
/// desk shows it (none when no stock is), the units as typed, the type.
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
TradeOutcome ExecuteTrade(const Game& game, const Trade& trade);
void RefreshBalance(const Game* game);
// Orders the market fills: the Orders window's grid, and its two buttons.
void RefreshOrders(const Game* game);
void PlaceOrder(const Game& game);
void CancelOrder(const Game& game);
// The price board and the chart.
void RefreshPriceInformation();
void FillChartStockList();
void ShowChartStockName();
void ShowStockChart();
void RedrawStockChart();
// Holdings reports.
void RefreshPosition(const Game* game);
void RefreshPortfolio(const Game* game);
void RefreshTransactions(const Game* game);
/// The Performance window, where it is loaded: the worth since the game began
/// and the gain on every stock traded.
void RefreshPerformance(const Game* game);
// Listing and correcting stocks.
/// False where what was typed is refused, and the window stays open.
bool AddAsset();
void FillEditStockList();
void ShowEditStock();
/// False where what was typed is refused, and the window stays open.
bool SaveEditedStock();

} // namespace Module1
