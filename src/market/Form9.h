#pragma once
#include "app/kit/Forms.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class StockChart;
class VbTimer;

/// Stock Performance: pick the stock to chart.
class Form9 : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form9";
    Form9();
    void formLoad() override;

    QLabel* Label1;
    QComboBox* chartstock;
    QLabel* Label2;
    QLineEdit* Text1; ///< the chosen stock's name
    QPushButton* Command1; ///< View chart
    QPushButton* Command2; ///< Cancel

    void chartstock_Click();
    void Command1_Click();
    void Command2_Click();
};

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
};
