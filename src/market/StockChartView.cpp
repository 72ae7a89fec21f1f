#include "StockChartView.h"
#include "dao/Dao.h"
#include "data/MarketSchema.h"
#include "ui/App.h"
#include "ui/Numbers.h"
#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace Market {

ChartSlots ReadChartSlots(const QString& symbol)
{
    ChartSlots values{};
    try {
        dao::Database db = dao::Database::open(App::MarketFile());
        dao::Transaction view = db.beginRead();
        dao::Recordset rs = db.openSnapshot(symbol);
        const int R = rs.recordCount();
        // Row j (1-based) goes to slot j - p + 1, the latest to the last slot:
        // a full history shows its last 200 prices, a short one after a gap.
        const int p = std::max(0, R - kChartSlots + 1);
        int j = 1;
        for (rs.moveFirst(); j <= R; ++j, rs.moveNext()) {
            const int k = j - p + 1;
            if (k < 1)
                continue;
            if (k > kChartSlots)
                break;
            const dao::Value v = rs.field(MarketSchema::kHistoryPriceField);
            if (!v.isNull())
                values[size_t(k - 1)] = v.toDouble();
        }
    } catch (const std::exception&) {
        // Passed over: a symbol without a table is charted as empty values.
        return ChartSlots{};
    }
    return values;
}

} // namespace Market

StockChartView::StockChartView(QWidget* parent) : ReadableChart(parent)
{
    setObjectName(QStringLiteral("chartView"));
    QChart* c = chart();
    axisX = new QValueAxis(c);
    axisX->setRange(1, Market::kChartSlots);
    axisX->setTickType(QValueAxis::TicksDynamic);
    axisX->setTickAnchor(0);
    axisX->setTickInterval(20);
    axisX->setLabelFormat(QStringLiteral("%d"));
    axisX->setTitleText(QCoreApplication::translate("Chart", "Tick"));
    axisY = new QValueAxis(c);
    axisY->setTitleText(QCoreApplication::translate("Chart", "Price"));
    for (QValueAxis* axis : {axisX, axisY}) { // in the application's font, never smaller
        axis->setLabelsFont(font());
        axis->setTitleFont(font());
    }
    c->addAxis(axisX, Qt::AlignBottom);
    c->addAxis(axisY, Qt::AlignLeft);
    SetSlots({});
}

QPen StockChartView::LinePen() const
{
    // The old chart control counted its pen width in twips: 30 of them are 2 pixels.
    return QPen(QColor(0, 0, 0), 30.0 / 15.0);
}

void StockChartView::SetSlots(const Market::ChartSlots& values)
{
    slots_ = values;
    KeepPlace();
    // Runs of filled values, each drawn as a line of its own: the gaps stay gaps.
    std::vector<QList<QPointF>> runs;
    double lo = 0, hi = 0;
    bool any = false;
    for (int k = 1; k <= Market::kChartSlots; ++k) {
        const auto& v = values[size_t(k - 1)];
        if (!v) {
            continue;
        }
        if (k == 1 || !values[size_t(k - 2)])
            runs.emplace_back();
        runs.back().append(QPointF(k, *v));
        lo = any ? std::min(lo, *v) : *v;
        hi = any ? std::max(hi, *v) : *v;
        any = true;
    }
    // Series are kept and refilled rather than replaced, so a redraw does not flicker.
    QChart* c = chart();
    while (pool_.size() < runs.size()) {
        auto* s = new QLineSeries(c);
        s->setPen(LinePen());
        c->addSeries(s);
        s->attachAxis(axisX);
        s->attachAxis(axisY);
        pool_.push_back(s);
    }
    for (size_t i = 0; i < pool_.size(); ++i) {
        QLineSeries* s = pool_[i];
        if (i < runs.size()) {
            s->replace(runs[i]);
            s->setPointsVisible(runs[i].size() == 1); // a lone price is a dot
        } else if (s->count()) {
            s->clear();
        }
    }
    if (!any) {
        lo = 0;
        hi = 1;
    } else if (lo == hi) {
        const double pad = lo == 0 ? 1 : std::abs(lo) * 0.05;
        lo -= pad;
        hi += pad;
    }
    axisY->setRange(lo, hi);
    axisY->applyNiceNumbers();
}

std::vector<QLineSeries*> StockChartView::Lines() const
{
    std::vector<QLineSeries*> out;
    for (QLineSeries* s : pool_)
        if (s->count())
            out.push_back(s);
    return out;
}

std::optional<int> StockChartView::SlotAt(const QPoint& pos) const
{
    const auto k = TickAt(pos);
    return k && *k >= 1 && *k <= Market::kChartSlots ? k : std::nullopt;
}

QString StockChartView::ToolTipAt(const QPoint& pos) const
{
    const auto k = SlotAt(pos);
    if (!k)
        return {};
    return Market::SlotText(slots_, *k);
}

std::optional<int> StockChartView::CursorSlot() const
{
    const std::vector<int> priced = Market::PricedSlots(slots_);
    return Place() && *Place() < int(priced.size()) ? std::optional<int>(priced[size_t(*Place())]) : std::nullopt;
}

int StockChartView::PlaceCount() const { return int(Market::PricedSlots(slots_).size()); }

QString StockChartView::Summary() const { return Market::ChartSummary(window()->windowTitle(), slots_); }

QString StockChartView::PlaceText(int place) const
{
    const std::vector<int> priced = Market::PricedSlots(slots_);
    return place >= 0 && place < int(priced.size()) ? Market::SlotText(slots_, priced[size_t(place)]) : QString();
}

QPointF StockChartView::PlaceValue(int place) const
{
    const int slot = Market::PricedSlots(slots_)[size_t(place)];
    return QPointF(slot, *slots_[size_t(slot - 1)]);
}

QAbstractSeries* StockChartView::PlaceSeries() const { return pool_.empty() ? nullptr : pool_.front(); }
