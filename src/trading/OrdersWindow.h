#pragma once
#include "data/OrderBook.h"
#include "ui/ReportWindow.h"
#include <vector>

class Game;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

/// Orders: one placed to buy or sell when a stock's price reaches a level,
/// and every order of the game, newest first.
class OrdersWindow : public ReportWindow {
    Q_OBJECT
public:
    OrdersWindow();
    void Load() override;

    QLabel *stockLabel, *currentPriceLabel, *unitsLabel, *priceLabel;
    QComboBox* stockList;
    QLineEdit* currentPriceBox; ///< the chosen stock's price now
    QLineEdit *unitsBox, *priceBox;
    QRadioButton *buyButton, *sellButton, *coverShortButton, *sellShortButton;
    QRadioButton *belowButton, *aboveButton;
    QButtonGroup *typeGroup, *conditionGroup;
    QPushButton *placeButton, *cancelOrderButton;
    /// The place in the game's orders of each line of the grid, newest first.
    std::vector<int> shown;

    /// The type and the condition chosen; none where none is.
    TradeType ChosenType() const;
    std::optional<OrderBook::Condition> ChosenCondition() const;
    /// The order the grid's current line shows, if any.
    std::optional<int> SelectedOrder() const;

    /// Every order of the game, newest first.
    void Refresh(const Game& game);
    /// The chosen stock's price as the market has it now, written only where it changed.
    void ShowCurrentPrice();
    /// Places the order the window asks for; what is refused is said.
    void Place();
    /// Cancels the chosen open order.
    void CancelChosen();

private:
    std::optional<OrderBook::Order> asked(const QDateTime& now);
};
