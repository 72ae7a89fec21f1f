#pragma once
#include "ui/ReportForm.h"

class QLabel;

/// Transactions: every recorded trade and how many there are.
class Form11 : public ReportForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form11";
    static constexpr int kRows = 10; ///< as designed
    Form11();
    void formLoad() override;

    QLabel* Label2; ///< the bold title
    QLabel* Label1; ///< the number of trades
};
