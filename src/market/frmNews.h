#pragma once
#include "ui/ReportForm.h"

/// News: the game's headlines, newest first, with their time.
class frmNews : public ReportForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmNews";
    frmNews();
    void formLoad() override;
    /// Lists the market's headlines again; where they cannot be read, says why.
    void Refresh();
};
