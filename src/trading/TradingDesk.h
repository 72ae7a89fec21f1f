#pragma once
#include "ExecuteTrade.h"
#include "ui/Forms.h"

class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

/// The Trading desk: choose a stock, type the units, pick the type, Enter.
/// While it is open, the chosen stock's figures follow every move of the
/// market, and the cash and the units held every trade.
class TradingDesk : public Form {
    Q_OBJECT
public:
    TradingDesk();
    void Load() override;

    QLabel* stockLabel;
    QComboBox* stockList;
    QLabel *companyLabel, *symbolLabel, *priceLabel, *lowLabel, *highLabel, *unitsLabel;
    QLineEdit *companyBox, *symbolBox, *priceBox, *lowBox, *highBox;
    QLineEdit* unitsBox;
    QRadioButton *buyButton, *sellButton, *coverShortButton, *sellShortButton;
    QButtonGroup* typeGroup;
    QLabel *tradePriceLabel, *sumLabel, *cashLabel, *heldLabel;
    QLineEdit* tradePriceBox;
    QLineEdit* sumBox;
    QLineEdit* cashBox; ///< the game's cash
    QLineEdit* heldBox; ///< the units held of the chosen stock, a short negative
    QPushButton* helpButton;
    QPushButton* enterButton;
    QPushButton* cancelButton;
    /// The chosen stock's price as the market has it, read again at every
    /// move and at Enter; none before a choice, or where it is no longer listed.
    std::optional<dao::Currency> chosenPrice;

    /// The trade the desk asks for now.
    Trading::Trade AskedTrade() const;

    /// The stock chosen from the list: its figures, and the units held of it.
    void ChooseStock();
    /// The chosen stock as the market prices it now, silently: what was typed and the focus stay.
    void FollowStock();
    /// The cash and the units held of the chosen stock, as the game's file has them.
    void ShowHoldings(const Game& game);
    /// Trades at the market's price of this moment, and says what came of it.
    void Enter();
    void ShowHelp();
    void Cancel();

private:
    void makeControls();
    /// The stock and its name on the left, its figures beside them; the types
    /// under them, the units, the trade's price and sum on the right; the
    /// buttons at the foot.
    void layOut();
    void showStock(const QString& symbol, bool silently);
    QFrame* figuresPanel = nullptr;
};
