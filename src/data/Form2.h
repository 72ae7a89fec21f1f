#pragma once
#include "ui/Forms.h"

class QLabel;
class QLineEdit;
class QPushButton;

/// The Information window: the player's name and the starting balance of a new game.
class Form2 : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form2";
    Form2();

    QLabel* Label1;
    QLineEdit* playername;
    QLabel* Label2;
    QLabel* fsumma;
    QPushButton* Command1; ///< Enter
    QPushButton* Command2; ///< Cancel

    void Command1_Click();
    void Command2_Click();
};
