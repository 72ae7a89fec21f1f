#include "Form10.h"
#include "StockChart.h"
#include "data/kit/Exchange.h"
#include "data/kit/Module1.h"
#include "data/kit/Twips.h"
#include "data/kit/VbTimer.h"
#include <QVBoxLayout>

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
