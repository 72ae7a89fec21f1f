#pragma once
#include "ui/ReportWindow.h"

/// Price Information: the market's price board, rebuilt by every move while it is open.
class PriceBoard : public ReportWindow {
    Q_OBJECT
public:
    PriceBoard();
    void Load() override;
    /// Every stock's price, the day's range and volume and the history's range, as the market has them.
    void Refresh();
};
