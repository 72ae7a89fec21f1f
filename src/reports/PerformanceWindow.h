#pragma once
#include "ui/ReportWindow.h"

class Game;
class WorthChart;

/// Performance: the game's worth over time and the gain on every stock traded,
/// following every move and trade while it is open.
class PerformanceWindow : public ReportWindow {
    Q_OBJECT
public:
    PerformanceWindow();
    void Load() override;
    /// The worth rows a move added, and the gains at the prices of now.
    void Refresh(const Game& game);

    WorthChart* worthChart;
};
