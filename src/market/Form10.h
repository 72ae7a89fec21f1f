#pragma once
#include "ui/Forms.h"

class StockChart;
class VbTimer;

/// The chart window, captioned with the charted symbol; one for every stock.
class Form10 : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form10";
    Form10();
    void formLoad() override;

    StockChart* MSChart1;
    VbTimer* Timer1;

    void Timer1_Timer();
    /// Draws the stock's prices as the market holds them now.
    void Redraw();
};
