#pragma once
// A stock's recent prices as a line chart of 200 values, any of which may be empty.
#include <QChartView>
#include <array>
#include <optional>
#include <vector>

class QLineSeries;
class QValueAxis;

namespace Market {

constexpr int kChartSlots = 200;
/// Slot k (1 to 200) is element k - 1.
using ChartSlots = std::array<std::optional<double>, kChartSlots>;

/// The series for symbol's history table of R rows, oldest first: slot k holds
/// row p + k - 1 where p = R - 200 when R >= 200 and 0 otherwise, so a 201-row
/// table shows rows 1 to 200. Any failure, a missing table included, gives
/// empty values.
ChartSlots ReadChartSlots(const QString& symbol);

} // namespace Market

/// The chart: a black line over the filled values with gaps at the empty ones,
/// a price axis and a slot axis, and the slot and price under the pointer.
class StockChart : public QChartView {
    Q_OBJECT
public:
    explicit StockChart(QWidget* parent = nullptr);

    void SetSlots(const Market::ChartSlots& values);
    const Market::ChartSlots& Slots() const { return slots_; }
    /// The lines drawn: one per run of filled values.
    std::vector<QLineSeries*> Lines() const;
    /// The pen as the old control was set: colour and width 30 in its units.
    QPen LinePen() const;
    /// The slot under a point of the view, if any, and its tooltip text.
    std::optional<int> SlotAt(const QPoint& pos) const;
    QString ToolTipAt(const QPoint& pos) const;

    QValueAxis* axisX;
    QValueAxis* axisY;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    Market::ChartSlots slots_{};
    std::vector<QLineSeries*> pool_;
};
