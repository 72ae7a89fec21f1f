#pragma once
#include "ui/Forms.h"

class QLabel;
class QLineEdit;
class QPushButton;
class VbTimer;

/// The Balance window: cash, the stocks held at current prices, and their sum.
class Form3 : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form3";
    Form3();
    void formLoad() override;

    QLabel* showplayername;
    QLabel *lblcash, *lblStocks, *lblBalance;
    QLineEdit *cashbalance, *Text3, *Text4;
    QPushButton* Command1; ///< View Portfolio
    QLabel* lblNote; ///< what the amounts leave out, if anything
    VbTimer* Timer1;

    void Timer1_Timer();
    void Command1_Click();

protected:
    /// Opened after the ticks made it in the background: shows the figures of now, not of its last tick.
    void showEvent(QShowEvent* e) override;
};
