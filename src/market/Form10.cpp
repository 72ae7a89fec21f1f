#include "Form10.h"
#include "StockChart.h"
#include "game/Calendar.h"
#include "game/Module1.h"
#include "game/Session.h"
#include "game/VbTimer.h"
#include "ui/Twips.h"
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
    Timer1 = new VbTimer(Session::Current().Clock(), this, false, 0);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &VbTimer::timeout, this, &Form10::Timer1_Timer);
}

void Form10::formLoad()
{
    Timer1->setEnabled(true);
    Timer1->setInterval(Calendar::kMarketMs);
}

void Form10::Timer1_Timer()
{
    // Only while the exchange is open: outside its hours the chart stays as it is.
    const auto t = Session::Current().Clock().TimeOfDay();
    if (!t || !Calendar::IsOpen(*t))
        return;
    Redraw();
}

void Form10::Redraw()
{
    // Held from repainting while it is rebuilt, where the old control was hidden: no flicker.
    MSChart1->setUpdatesEnabled(false);
    Module1::RedrawStockChart();
    MSChart1->setUpdatesEnabled(true);
}
