#include "Clock.h"
#include "Form9.h"
#include "StockChart.h"
#include "app/kit/App.h"
#include "app/kit/Controls.h"
#include "app/kit/Exchange.h"
#include "app/kit/Module1.h"
#include "app/kit/MsgBox.h"
#include "app/kit/Numbers.h"
#include "app/kit/Twips.h"
#include "app/kit/VbTimer.h"
#include "data/MarketSchema.h"
#include "data/StockList.h"
#include "data/dao/Dao.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Form9::Form9()
{
    setWindowTitle(QStringLiteral("Stock Performance"));
    setProperty("helpContextID", 4); // its help topic
    Twips::SetSilverClientArea(this, 4200, 2520);
    chartstock = Twips::Create<QComboBox>(this, "chartstock", 240, 480, 1815, 315);
    Label1 = Twips::Create<QLabel>(this, "Label1", 240, 200, 1815, 255, QStringLiteral("Stock"));
    Label1->setBuddy(chartstock);
    Controls::MakeSymbolList(chartstock, Label1->text());
    chartstock->setEditText(QStringLiteral("Select stock"));
    Text1 = Twips::Create<QLineEdit>(this, "Text1", 240, 1200, 3735, 315);
    Controls::MakeDisplayBox(Text1);
    Label2 = Twips::Create<QLabel>(this, "Label2", 240, 920, 3735, 255, QStringLiteral("Company name"));
    Label2->setBuddy(Text1);
    Command1 = Twips::Create<QPushButton>(this, "Command1", 240, 1800, 1455, 495, QStringLiteral("View chart"));
    Command2 = Twips::Create<QPushButton>(this, "Command2", 2520, 1800, 1455, 495, QStringLiteral("Cancel"));
    Command1->setDefault(true);
    SetKeyButtons(Command1, Command2);
    connect(chartstock, &QComboBox::activated, this, &Form9::chartstock_Click);
    connect(Command1, &QPushButton::clicked, this, &Form9::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form9::Command2_Click);
}

void Form9::formLoad() { Module1::FillChartStockList(); }

void Form9::chartstock_Click()
{
    Ui::Attempt(QStringLiteral("The stock cannot be shown"), Module1::ShowChartStockName);
}

void Form9::Command1_Click()
{
    Module1::ShowStockChart();
    Forms::Unload(this);
}

void Form9::Command2_Click() { Forms::Unload(this); }

Form10::Form10()
{
    Twips::SetBackground(this, Twips::kSilver);
    setProperty("helpContextID", 4); // its help topic
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    MSChart1 = new StockChart(this);
    box->addWidget(MSChart1);
    resize(Twips::ToPixels(9000), Twips::ToPixels(5400));
    Timer1 = new VbTimer(this, false, 0);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &VbTimer::timeout, this, &Form10::Timer1_Timer);
}

void Form10::formLoad()
{
    Timer1->setEnabled(true);
    Timer1->setInterval(10000);
}

void Form10::Timer1_Timer()
{
    // Only while the exchange is open: outside its hours the chart stays as it is.
    const auto t = Exchange::ShownTimeOfDay();
    if (!t || !Exchange::IsOpen(*t))
        return;
    // Held from repainting while it is rebuilt, where the old control was hidden: no flicker.
    MSChart1->setUpdatesEnabled(false);
    Module1::RedrawStockChart();
    MSChart1->setUpdatesEnabled(true);
}

namespace Module1 {

void FillChartStockList() { StockList::Fill(Forms::Get<Form9>().chartstock, QStringLiteral("Select stock")); }

void ShowChartStockName()
{
    Form9& f = Forms::Get<Form9>();
    dao::Database db = dao::Database::open(App::MarketFile());
    dao::Recordset rs = db.openSnapshot(MarketSchema::kStocksTable);
    StockList::Walk(rs, f.chartstock->currentText(), [&] {
        f.Text1->setText(Numbers::PlainText(rs.field(QStringLiteral("stockname"))));
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
