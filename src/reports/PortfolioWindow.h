#pragma once
#include "ui/ReportWindow.h"

class Game;

/// Portfolio: the holdings at current prices, following every move and trade while it is open.
class PortfolioWindow : public ReportWindow {
    Q_OBJECT
public:
    PortfolioWindow();
    void Load() override;
    void Refresh(const Game& game);
};
