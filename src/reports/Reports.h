#pragma once
// The holdings reports: what the player holds, what it is worth, what was traded.
#include "app/kit/ReportForm.h"

/// Position: the net units per symbol, filled once when the window opens.
class Form5 : public ReportForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form5";
    Form5();
    void formLoad() override;
};

/// Transactions: every recorded trade and how many there are.
class Form11 : public ReportForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form11";
    Form11();
    void formLoad() override;

    QLabel* Label2; ///< the bold title
    QLabel* Label1; ///< the number of trades
};

/// Portfolio: the holdings at current prices, kept current shown or not.
class Form13 : public ReportForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form13";
    Form13();
    void formLoad() override;
};
