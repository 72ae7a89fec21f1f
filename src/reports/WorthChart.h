#pragma once
#include "data/WorthLog.h"
#include "ui/ReadableChart.h"

class QCategoryAxis;
class QLineSeries;
class QValueAxis;

/// The game's worth since it began: a point per row of its worth (the lowest
/// and highest of each run of rows where there are more than it has room
/// for), the game's time along the bottom, the starting balance drawn as a line,
/// and the market's worth as a second line where the game keeps it. Read by
/// keys through the figures, both of each.
class WorthChart : public ReadableChart {
    Q_OBJECT
public:
    explicit WorthChart(QWidget* parent = nullptr);

    /// The rows and the starting balance, drawn anew.
    void SetRows(std::vector<WorthLog::Row> rows, dao::Currency start);
    /// Rows added since: only they are added to what is drawn.
    void AddRows(std::vector<WorthLog::Row> more);
    const std::vector<WorthLog::Row>& Rows() const { return rows_; }

    int PlaceCount() const override { return int(rows_.size()); }
    QString PlaceText(int place) const override;
    QString Summary() const override;
    QString ToolTipAt(const QPoint& pos) const override;

    QLineSeries* worth;
    QLineSeries* market; ///< the starting balance held in the whole market
    QLineSeries* startLine;
    QCategoryAxis* axisX;
    QValueAxis* axisY;

protected:
    QPointF PlaceValue(int place) const override;
    QAbstractSeries* PlaceSeries() const override;

private:
    void placeTimes();
    std::vector<WorthLog::Row> rows_;
    dao::Currency start_;
    double low_ = 0, high_ = 0;
};
