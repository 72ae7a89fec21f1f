#pragma once
#include "game/Calendar.h"
#include "game/Game.h"
#include "game/Session.h"
#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

/// An application folder with a market of n stocks shaped like the real one:
/// 201 history rows and dayRows intraday rows each.
class BenchMarket {
public:
    BenchMarket(int n, int dayRows = 20);
    QString folder() const { return dir_.path(); }
    QString market() const { return dir_.filePath(QStringLiteral("stocks.tqs")); }

private:
    QTemporaryDir dir_;
};

/// A QApplication for benchmarks that need windows (offscreen).
void EnsureApplication();

/// A game with `rows` trades already in its log, spread over `symbols` stocks
/// (S0001 upwards).
/// The game the benchmark plays.
const Game& BenchGame();
void StartBenchGame(int rows, int symbols);
/// Open orders of the game that no move fills: a purchase of each of n stocks
/// at or below a price far under the market's.
void PlaceBenchOrders(int n);
/// Unloads the windows and ends the game's connections.
void FinishBenchGame();

/// Runs the state's iterations as market ticks in trading days of 42, the
/// evening's reset between days left out of the timing.
/// The tick the main window's timer runs, for the open game.
void GameTick();
void TickThroughTradingDays(benchmark::State& state, void (*tick)() = GameTick);
