#pragma once
#include "ui/ReportForm.h"

class WorthChart;

/// Performance: the game's worth over time and the gain on every stock traded.
class frmPerformance : public ReportForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmPerformance";
    frmPerformance();
    void formLoad() override;

    WorthChart* chtWorth;
};
