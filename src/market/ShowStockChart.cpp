#include "Form10.h"
#include "Form9.h"
#include "StockChart.h"
#include "dao/Dao.h"
#include "data/MarketSchema.h"
#include "data/StockList.h"
#include "game/Module1.h"
#include "ui/App.h"
#include "ui/Numbers.h"
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace Module1 {

void FillChartStockList()
{
    StockList::Fill(Forms::Get<Form9>().chartstock, QCoreApplication::translate("Market", "Select stock"));
}

void ShowChartStockName()
{
    Form9& f = Forms::Get<Form9>();
    dao::Database db = dao::Database::open(App::MarketFile());
    dao::Recordset rs = db.openSnapshot(MarketSchema::kStocksTable);
    StockList::Walk(rs, f.chartstock->currentText(), [&] {
        f.Text1->setText(Numbers::PlainText(rs.field(MarketSchema::kNameField)));
        return false;
    });
}

void ShowStockChart()
{
    const QString s = Forms::Get<Form9>().chartstock->currentText();
    Form10& chart = Forms::Get<Form10>();
    chart.MSChart1->SetSlots(Market::ReadChartSlots(s));
    chart.setWindowTitle(s);
    chart.show();
    chart.raise();
}

void RedrawStockChart()
{
    Form10& chart = Forms::Get<Form10>();
    chart.MSChart1->SetSlots(Market::ReadChartSlots(chart.windowTitle()));
}

} // namespace Module1
