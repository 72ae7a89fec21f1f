#pragma once
#include "ui/ReportForm.h"

/// Portfolio: the holdings at current prices, kept current shown or not.
class Form13 : public ReportForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form13";
    Form13();
    void formLoad() override;
};
