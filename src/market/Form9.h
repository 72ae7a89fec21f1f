#pragma once
#include "ui/Forms.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

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
