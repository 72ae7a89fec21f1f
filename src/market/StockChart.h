#pragma once
#include "ui/Forms.h"

class StockChartView;
class GameTimer;

/// The chart window, captioned with the charted symbol; one for every stock.
class StockChart : public Form {
    Q_OBJECT
public:
    StockChart();
    void Load() override;

    StockChartView* chartView;
    GameTimer* redrawTimer;

    /// Charts the stock's recent prices, under its symbol.
    void Show(const QString& symbol);
    /// Draws the stock's prices as the market holds them now.
    void Redraw();
    /// The redraw timer's: only while the exchange is open.
    void RedrawInTradingHours();
};
