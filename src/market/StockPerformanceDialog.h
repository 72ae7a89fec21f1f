#pragma once
#include "ui/Forms.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

/// Stock Performance: choose the stock to chart.
class StockPerformanceDialog : public Form {
    Q_OBJECT
public:
    StockPerformanceDialog();
    void Load() override;

    QLabel* stockLabel;
    QComboBox* stockList;
    QLabel* companyLabel;
    QLineEdit* companyBox; ///< the chosen stock's name
    QPushButton* viewButton; ///< View chart
    QPushButton* cancelButton;

    /// The chosen stock's name, as the market lists it.
    void ShowCompany();
    /// Opens the chart of the chosen stock, where it is listed; else says which to choose.
    void ViewChart();
};
