#include "Form9.h"
#include "game/Module1.h"
#include "ui/Controls.h"
#include "ui/MsgBox.h"
#include "ui/Twips.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Form9::Form9()
{
    setWindowTitle(tr("Stock Performance"));
    setProperty("helpContextID", 4); // its help topic
    Twips::SetSilverClientArea(this, 4200, 2520);
    chartstock = Twips::Create<QComboBox>(this, "chartstock", 240, 480, 1815, 315);
    Label1 = Twips::Create<QLabel>(this, "Label1", 240, 200, 1815, 255, tr("Stock"));
    Label1->setBuddy(chartstock);
    Controls::MakeSymbolList(chartstock, Label1->text());
    chartstock->setEditText(tr("Select stock"));
    Text1 = Twips::Create<QLineEdit>(this, "Text1", 240, 1200, 3735, 315);
    Controls::MakeDisplayBox(Text1);
    Label2 = Twips::Create<QLabel>(this, "Label2", 240, 920, 3735, 255, tr("Company name"));
    Label2->setBuddy(Text1);
    Command1 = Twips::Create<QPushButton>(this, "Command1", 240, 1800, 1455, 495, tr("View chart"));
    Command2 = Twips::Create<QPushButton>(this, "Command2", 2520, 1800, 1455, 495, tr("Cancel"));
    Command1->setDefault(true);
    SetKeyButtons(Command1, Command2);
    connect(chartstock, &QComboBox::activated, this, &Form9::chartstock_Click);
    connect(Command1, &QPushButton::clicked, this, &Form9::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form9::Command2_Click);
}

void Form9::formLoad() { Module1::FillChartStockList(); }

void Form9::chartstock_Click() { Ui::Attempt(tr("The stock cannot be shown"), Module1::ShowChartStockName); }

void Form9::Command1_Click()
{
    // Only a listed stock has a chart: anything else is said, and nothing opens.
    const QString symbol = chartstock->currentText();
    if (chartstock->findText(symbol, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        Ui::MsgBox(symbol.isEmpty() || symbol == tr("Select stock")
                ? tr("Choose the stock to chart from the Stock list first.")
                : tr("No stock \"%1\" is listed: choose the stock to chart from the Stock list.").arg(symbol),
            Ui::Buttons::OK, Ui::Icon::Exclamation, windowTitle());
        chartstock->setFocus();
        return;
    }
    Module1::ShowStockChart();
    Forms::Unload(this);
}

void Form9::Command2_Click() { Forms::Unload(this); }
