#pragma once
#include "StockFigures.h"
#include "ui/Forms.h"

class QLabel;
class QLineEdit;
class QPushButton;

/// Add Asset: the name, symbol and figures of a stock to list.
class AddAssetDialog : public Form {
    Q_OBJECT
public:
    AddAssetDialog();

    QLabel *nameLabel, *symbolLabel, *priceLabel, *lowLabel, *highLabel, *volumeLabel;
    QLineEdit *nameBox, *symbolBox, *priceBox, *lowBox, *highBox, *volumeBox;
    QPushButton* enterButton;
    QPushButton* cancelButton;

    /// Lists the stock as typed; a refused figure keeps the window open with
    /// what was typed, the focus on its box.
    void Enter();

    /// Whether a box's text is refused as the figure: then it is said under the
    /// window's caption, and the focus put on the box with its text chosen.
    static bool Refuses(Assets::Figure figure, QLineEdit* box, const QString& caption);
};
