#pragma once
#include "ui/ReportWindow.h"

class Game;
class QLabel;

/// Transactions: every recorded trade and how many there are; a trade made
/// while it is open shows at once.
class TransactionsWindow : public ReportWindow {
    Q_OBJECT
public:
    static constexpr int kRows = 10; ///< as designed
    TransactionsWindow();
    void Load() override;
    void Refresh(const Game& game);

    QLabel* titleLabel; ///< the bold title
    QLabel* countLabel; ///< the number of trades
};
