#pragma once
// A stock's recent prices as a line chart of 200 values, any of which may be empty.
#include "ChartReading.h"
#include "ui/ReadableChart.h"
#include <optional>
#include <vector>

class QLineSeries;
class QValueAxis;

namespace Market {

/// The series for symbol's history table of R rows, oldest first: slot k holds
/// row p + k - 1 where p = R - 200 when R >= 200 and 0 otherwise, so a 201-row
/// table shows rows 1 to 200. Any failure, a missing table included, gives
/// empty values.
ChartSlots ReadChartSlots(const QString& symbol);

} // namespace Market

/// The chart: a black line over the filled values with gaps at the empty ones,
/// a price axis and a slot axis, read by keys through the prices.
class StockChartView : public ReadableChart {
    Q_OBJECT
public:
    explicit StockChartView(QWidget* parent = nullptr);

    void SetSlots(const Market::ChartSlots& values);
    const Market::ChartSlots& Slots() const { return slots_; }
    /// The lines drawn: one per run of filled values.
    std::vector<QLineSeries*> Lines() const;
    /// The pen as the old control was set: colour and width 30 in its units.
    QPen LinePen() const;
    /// The slot under a point of the view, if any.
    std::optional<int> SlotAt(const QPoint& pos) const;
    /// The slot under the keyboard's cursor; none before the first key.
    std::optional<int> CursorSlot() const;

    int PlaceCount() const override;
    QString PlaceText(int place) const override;
    QString Summary() const override;
    QString ToolTipAt(const QPoint& pos) const override;

    QValueAxis* axisX;
    QValueAxis* axisY;

protected:
    QPointF PlaceValue(int place) const override;
    QAbstractSeries* PlaceSeries() const override;

private:
    Market::ChartSlots slots_{};
    std::vector<QLineSeries*> pool_;
};
