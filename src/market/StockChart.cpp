#include "StockChart.h"
#include "StockChartView.h"
#include "game/Calendar.h"
#include "game/FollowGame.h"
#include "game/GameTimer.h"
#include "game/Session.h"
#include "ui/Look.h"
#include <QVBoxLayout>

StockChart::StockChart()
{
    Look::Silver(this);
    setProperty("helpContextID", 4); // its help topic
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    chartView = new StockChartView(this);
    box->addWidget(chartView);
    redrawTimer = new GameTimer(Session::Current().Clock(), this, false, 0);
    redrawTimer->setObjectName(QStringLiteral("redrawTimer"));
    connect(redrawTimer, &GameTimer::timeout, this, &StockChart::RedrawInTradingHours);
    // Every move is drawn as the board shows it.
    FollowGame(this, {Change::Move}, [this](const Game&, Change) { Redraw(); });
}

void StockChart::Load()
{
    redrawTimer->setEnabled(true);
    redrawTimer->setInterval(Calendar::kMarketMs);
}

void StockChart::Show(const QString& symbol)
{
    setWindowTitle(symbol);
    Redraw();
}

void StockChart::RedrawInTradingHours()
{
    // Only while the exchange is open: outside its hours the chart stays as it is.
    const auto t = Session::Current().Clock().TimeOfDay();
    if (t && Calendar::IsOpen(*t))
        Redraw();
}

void StockChart::Redraw()
{
    // Held from repainting while it is rebuilt: no flicker.
    chartView->setUpdatesEnabled(false);
    chartView->SetSlots(Market::ReadChartSlots(windowTitle()));
    chartView->setUpdatesEnabled(true);
}
