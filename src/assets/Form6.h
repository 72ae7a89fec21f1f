#pragma once
#include "ui/Forms.h"

class QLabel;
class QLineEdit;
class QPushButton;

/// Add Asset: the name, symbol and figures of a stock to list.
class Form6 : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form6";
    Form6();

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit* Text1; ///< name
    QLineEdit* Text2; ///< symbol
    QLineEdit* Text3; ///< current price
    QLineEdit* Text4; ///< Min
    QLineEdit* Text5; ///< Max
    QLineEdit* Text6; ///< volume
    QPushButton* Command1; ///< Enter
    QPushButton* Command2; ///< Cancel

    void Command1_Click();
    void Command2_Click();
};
