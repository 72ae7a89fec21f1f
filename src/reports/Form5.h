#pragma once
#include "ui/ReportForm.h"

/// Position: the net units per symbol, filled once when the window opens.
class Form5 : public ReportForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form5";
    Form5();
    void formLoad() override;
};
