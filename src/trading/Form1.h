#pragma once
#include "game/Module1.h"
#include "ui/Forms.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class LineItem;

/// The Trading desk: choose a stock, type the units, pick the type, Enter.
class Form1 : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form1";
    Form1();
    void formLoad() override;

    QComboBox* Combo1;
    QLabel* lblStock; ///< the list's title
    QLineEdit* stockname;
    QLabel *Label1, *Label3, *Label5, *Label4, *Label2;
    QLineEdit *Text1, *Text2, *Text3, *Text4;
    QLineEdit* quantity;
    QRadioButton *optBuybutton, *optSellButton, *Covshort, *Selshort;
    QButtonGroup* types;
    QLineEdit* ListCurprice;
    QLineEdit* Result;
    QLabel *lblName, *lblPrice, *lblSum, *lblCash, *lblHeld; ///< the boxes' titles
    QLineEdit* txtCash; ///< the game's cash
    QLineEdit* txtHeld; ///< the units held of the chosen stock, a short negative
    QPushButton* Command1; ///< Help
    QPushButton* Command2; ///< Enter
    QPushButton* Comman1; ///< Cancel
    /// The chosen stock's price as the market has it, read again at every
    /// move and at Enter; none before a choice, or where it is no longer listed.
    std::optional<dao::Currency> chosenPrice;

    /// The trade the desk asks for now.
    Module1::Trade AskedTrade() const;

    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();
    void Comman1_Click();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    /// The option buttons of the four types, one of them to choose.
    void createTypes();
};
