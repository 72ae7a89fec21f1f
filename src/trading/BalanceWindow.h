#pragma once
#include "ui/Forms.h"

class Game;
class GameTimer;
class QLabel;
class QLineEdit;
class QPushButton;

/// The Balance window: cash, the stocks held at current prices, and their
/// sum, read again every second of the game while the exchange is open.
class BalanceWindow : public Form {
    Q_OBJECT
public:
    BalanceWindow();
    void Load() override;

    QLabel* playerLabel;
    QLabel *cashLabel, *stocksLabel, *balanceLabel;
    QLineEdit *cashBox, *stocksBox, *balanceBox;
    QPushButton* portfolioButton; ///< View Portfolio
    QLabel* noteLabel; ///< what the amounts leave out, if anything
    GameTimer* refreshTimer;

    /// The game's worth at the market's prices now.
    void Refresh(const Game& game);
    /// The refresh timer's: every second of the game while the exchange is
    /// open; a clock that shows no time counts as outside the hours.
    void RefreshInTradingHours();
};
