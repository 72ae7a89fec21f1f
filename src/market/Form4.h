#pragma once
#include "ui/ReportForm.h"

/// Price Information: the market's price board, rebuilt by every tick.
class Form4 : public ReportForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form4";
    Form4();
    void formLoad() override;
};
