#pragma once
#include "ui/ReportWindow.h"

class Game;

/// Position: the net units per symbol, as of the window's opening.
class PositionWindow : public ReportWindow {
    Q_OBJECT
public:
    PositionWindow();
    void Load() override;
    void Refresh(const Game& game);
};
