#include "Reports.h"
#include "app/kit/Module1.h"
#include "app/kit/Twips.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const QString kSansSerif = QStringLiteral("MS Sans Serif");

FlexGrid* grid(int rows, int cols, const QFont& font)
{
    auto* g = new FlexGrid(nullptr, "MSFlexGrid1", rows, cols);
    g->setFont(font);
    return g;
}
} // namespace

Form5::Form5()
    : ReportForm(QStringLiteral("Position"),
          grid(18, 2, Twips::DesignFont(QStringLiteral("Times New Roman"), 8.25, true)), 3600, 6300, 6)
{
}

void Form5::formLoad() { Module1::RefreshPosition(); }

Form11::Form11()
    : ReportForm(QStringLiteral("Transactions"), grid(10, 5, Twips::DesignFont(kSansSerif, 8.25)), 5400, 4200, 9)
{
    auto* top = new QHBoxLayout;
    Label2 = new QLabel(QStringLiteral("Transactions"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setToolTip(QStringLiteral("Number of transactions"));
    top->addWidget(Label2);
    top->addWidget(Label1, 1);
    box->insertLayout(0, top);
}

void Form11::formLoad() { Module1::RefreshTransactions(); }

Form13::Form13()
    : ReportForm(QStringLiteral("Portfolio"), grid(2, 4, Twips::DesignFont(kSansSerif, 8.25)), 4800, 3000, 8)
{
}

void Form13::formLoad()
{
    Module1::RefreshPortfolio();
    update();
}
