#pragma once
#include "data/OrderBook.h"
#include "game/Module1.h"
#include "ui/ReportForm.h"
#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

/// Orders: one placed to buy or sell when a stock's price reaches a level,
/// and every order of the game, newest first.
class frmOrders : public ReportForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmOrders";
    frmOrders();
    void formLoad() override;

    QLabel *lblStock, *lblUnits, *lblPrice, *lblCurrent;
    QComboBox* Combo1;
    QLineEdit* txtCurrent; ///< the chosen stock's price now
    QLineEdit *quantity, *txtPrice;
    QRadioButton *optBuybutton, *optSellButton, *Covshort, *Selshort;
    QRadioButton *optBelow, *optAbove;
    QButtonGroup *types, *conditions;
    QPushButton *cmdPlace, *cmdCancelOrder;
    /// The place in the game's orders of each line of the grid, newest first.
    std::vector<int> shown;

    /// The type and the condition chosen; none where none is.
    Module1::Trade::Type ChosenType() const;
    std::optional<OrderBook::Condition> ChosenCondition() const;
    /// A condition in the window's words.
    static QString Caption(OrderBook::Condition c);
    /// The order the grid's current line shows, if any.
    std::optional<int> SelectedOrder() const;

    /// The chosen stock's price as the market has it now, written only where it changed.
    void ShowCurrentPrice();
    void cmdPlace_Click();
    void cmdCancelOrder_Click();
};
