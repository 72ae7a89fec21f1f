#pragma once
#include "ui/Forms.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

/// Edit stock: correct a listed stock's price, range and volume.
class Form7 : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form7";
    Form7();
    void formLoad() override;

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QComboBox* editstock;
    QLineEdit* Text1; ///< name, shown only
    QLineEdit* Text2; ///< current price
    QLineEdit* Text3; ///< Min
    QLineEdit* Text4; ///< volume
    QLineEdit* Text5; ///< Max
    QPushButton* Command1; ///< Enter
    QPushButton* Command2; ///< Cancel

    void editstock_Click();
    void Command1_Click();
    void Command2_Click();
};
