#include "StockPerformanceDialog.h"
#include "StockChart.h"
#include "data/MarketSchema.h"
#include "data/StockList.h"
#include "ui/App.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/MsgBox.h"
#include "ui/Numbers.h"
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

StockPerformanceDialog::StockPerformanceDialog()
{
    setWindowTitle(tr("Stock Performance"));
    setProperty("helpContextID", 4); // its help topic
    Look::Silver(this);
    auto* grid = new QGridLayout(this);
    stockList = new QComboBox(this);
    stockList->setObjectName(QStringLiteral("stockList"));
    stockLabel = Controls::Title(this, "stockLabel", tr("Stock"), stockList);
    Controls::MakeSymbolList(stockList, stockLabel->text());
    stockList->setEditText(tr("Select stock"));
    companyBox = new QLineEdit(this);
    companyBox->setObjectName(QStringLiteral("companyBox"));
    Controls::MakeDisplayBox(companyBox);
    companyLabel = Controls::Title(this, "companyLabel", tr("Company name"), companyBox);
    viewButton = Controls::Button(this, "viewButton", tr("View chart"));
    cancelButton = Controls::Button(this, "cancelButton", tr("Cancel"));
    grid->addWidget(stockLabel, 0, 0);
    grid->addWidget(stockList, 1, 0);
    grid->addWidget(companyLabel, 2, 0, 1, 2);
    grid->addWidget(companyBox, 3, 0, 1, 2);
    grid->setRowMinimumHeight(4, fontMetrics().height() / 2);
    grid->addWidget(viewButton, 5, 0);
    grid->addWidget(cancelButton, 5, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    companyBox->setMinimumWidth(fontMetrics().horizontalAdvance(QString(32, QLatin1Char('x'))));
    viewButton->setDefault(true);
    SetKeyButtons(viewButton, cancelButton);
    connect(stockList, &QComboBox::activated, this,
        [this] { Ui::Attempt(tr("The stock cannot be shown"), [this] { ShowCompany(); }); });
    connect(viewButton, &QPushButton::clicked, this, &StockPerformanceDialog::ViewChart);
    connect(cancelButton, &QPushButton::clicked, this, [this] { Forms::Unload(this); });
}

void StockPerformanceDialog::Load() { StockList::Fill(stockList, tr("Select stock")); }

void StockPerformanceDialog::ShowCompany()
{
    dao::Database db = dao::Database::open(App::MarketFile());
    dao::Recordset rs = db.openSnapshot(MarketSchema::kStocksTable);
    StockList::Walk(rs, stockList->currentText(), [&] {
        companyBox->setText(Numbers::PlainText(rs.field(MarketSchema::kNameField)));
        return false;
    });
}

void StockPerformanceDialog::ViewChart()
{
    // Only a listed stock has a chart: anything else is said, and nothing opens.
    const QString symbol = stockList->currentText();
    if (stockList->findText(symbol, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        Ui::MsgBox(symbol.isEmpty() || symbol == tr("Select stock")
                ? tr("Choose the stock to chart from the Stock list first.")
                : tr("No stock \"%1\" is listed: choose the stock to chart from the Stock list.").arg(symbol),
            Ui::Buttons::OK, Ui::Icon::Exclamation, windowTitle());
        stockList->setFocus();
        return;
    }
    StockChart& chart = Forms::Get<StockChart>();
    chart.Show(symbol);
    chart.show();
    chart.raise();
    Forms::Unload(this);
}
