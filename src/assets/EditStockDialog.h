#pragma once
#include "ui/Forms.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

/// Edit stock: correct a listed stock's price, range and volume.
class EditStockDialog : public Form {
    Q_OBJECT
public:
    EditStockDialog();
    void Load() override;

    QLabel *symbolLabel, *nameLabel, *priceLabel, *lowLabel, *volumeLabel, *highLabel;
    QComboBox* stockList;
    QLineEdit* nameBox; ///< shown only
    QLineEdit *priceBox, *lowBox, *volumeBox, *highBox;
    QPushButton* enterButton;
    QPushButton* cancelButton;

    /// The chosen stock's figures, as the market has them.
    void ShowStock();
    /// Stores what the player changed; a refused figure keeps the window open
    /// with what was typed, the focus on its box.
    void Enter();
};
