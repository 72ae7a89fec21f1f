#pragma once
// A line chart that a player who cannot see it reads: a summary as it takes
// the focus, then a cursor moved through its figures by the keys a chart is
// read by, drawn, and told to assistive technology as the figure that has the
// focus within the chart. The pointer's tooltip tells the figure under it.
#include <QChartView>
#include <optional>
#include <vector>

class QAbstractSeries;

namespace Charts {

/// Keys that move a reader's place among count figures (0-based): Left and
/// Right one, Page Up and Page Down ten, Home and End to the ends. Before the
/// first key there is no place: Right, Page Down and Home start at the first
/// figure, Left, Page Up and End at the last. None for any other key.
std::optional<int> MovePlace(std::optional<int> place, int count, int key);

/// "ALDR: 200 prices, first 25.1, last 27.4388, lowest 24.9, highest 28.1,
/// change +9.31 %" for the name and the figures as counted ("200 prices");
/// the change is left out where the first figure is 0; "ALDR: no prices" for none.
QString Summary(const QString& name, const QString& counted, const std::vector<double>& figures);

} // namespace Charts

class ReadableChart : public QChartView {
    Q_OBJECT
public:
    explicit ReadableChart(QWidget* parent = nullptr);

    /// The figures a reader moves through, and what is said of the chart and of each.
    virtual int PlaceCount() const = 0;
    virtual QString PlaceText(int place) const = 0;
    virtual QString Summary() const = 0;
    /// The tooltip's text at a point of the view; empty where there is none.
    virtual QString ToolTipAt(const QPoint& pos) const = 0;

    /// The cursor's place among the figures (0-based); none before the first key.
    std::optional<int> Place() const { return place_; }
    /// Where a figure is drawn, on the screen.
    QRect PlaceRect(int place) const;

protected:
    /// Where a figure is drawn, in the values of the chart's axes, and the series that draws it.
    virtual QPointF PlaceValue(int place) const = 0;
    virtual QAbstractSeries* PlaceSeries() const = 0;
    /// After new figures: the cursor keeps its place among them, and says nothing of it.
    void KeepPlace();
    /// The whole value of the bottom axis under a point of the view; none off the plot.
    std::optional<int> TickAt(const QPoint& pos) const;

    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void drawForeground(QPainter* p, const QRectF& rect) override;

private:
    /// Where a figure is drawn, in the chart's scene.
    QPointF scenePoint(int place) const;
    std::optional<int> place_;
};
