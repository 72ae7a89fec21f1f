#pragma once
// A stock's recent prices as a line chart of 200 values, any of which may be empty.
#include "ChartReading.h"
#include <QChartView>
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
/// a price axis and a slot axis, and the slot and price under the pointer. It
/// takes the focus and is read by keys: a summary as it takes the focus, then a
/// cursor through the prices (MovePlace), drawn, and told to assistive
/// technology as the price that has the focus within the chart.
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
    /// The slot under the keyboard's cursor; none before the first key.
    std::optional<int> CursorSlot() const;
    /// The cursor's place among the prices (0-based); none before the first key.
    std::optional<int> Place() const { return place_; }
    int PriceCount() const;
    /// What a screen reader reads of the chart (ChartSummary) and of a price (SlotText).
    QString Summary() const;
    QString PlaceText(int place) const;
    /// Where a price is drawn, on the screen.
    QRect PlaceRect(int place) const;

    QValueAxis* axisX;
    QValueAxis* axisY;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void drawForeground(QPainter* p, const QRectF& rect) override;

private:
    /// Where a slot that holds a price is drawn, in the chart's scene.
    QPointF scenePoint(int slot) const;
    Market::ChartSlots slots_{};
    std::vector<QLineSeries*> pool_;
    std::optional<int> place_; ///< the cursor's place among the prices
};
