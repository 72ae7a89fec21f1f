#pragma once
#include "ui/ReportWindow.h"

/// Hall of fame: the best ten games that ended, by how far they beat the market.
class HallOfFameWindow : public ReportWindow {
    Q_OBJECT
public:
    HallOfFameWindow();
    void Load() override;
    /// Lists the best games again; where they cannot be read, says why.
    void Refresh();
    /// Stands on a place's line (from 1), as after a game that entered there.
    void ShowPlace(int place);
};
