#include "WorthChart.h"
#include "data/kit/Numbers.h"
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>
#include <cmath>

namespace {
constexpr int kTimeLabels = 6;
double money(dao::Currency c) { return c.toDouble(); }
} // namespace

WorthChart::WorthChart(QWidget* parent) : ReadableChart(parent)
{
    setObjectName(QStringLiteral("chtWorth"));
    QChart* c = chart();
    axisX = new QCategoryAxis(c);
    axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axisX->setTitleText(QStringLiteral("Game time"));
    axisY = new QValueAxis(c);
    axisY->setTitleText(QStringLiteral("Balance"));
    axisY->setLabelFormat(QStringLiteral("%.0f"));
    c->addAxis(axisX, Qt::AlignBottom);
    c->addAxis(axisY, Qt::AlignLeft);
    startLine = new QLineSeries(c);
    startLine->setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
    worth = new QLineSeries(c);
    worth->setPen(QPen(QColor(0, 0, 0), 2));
    for (QLineSeries* s : {startLine, worth}) {
        c->addSeries(s);
        s->attachAxis(axisX);
        s->attachAxis(axisY);
    }
}

void WorthChart::SetRows(std::vector<WorthLog::Row> rows, dao::Currency start)
{
    const size_t had = rows_.size();
    const bool grew = had && rows.size() > had && rows[had - 1].time == rows_[had - 1].time &&
        rows[had - 1].balance == rows_[had - 1].balance;
    if (!grew) {
        worth->clear();
        low_ = high_ = money(start);
    }
    QList<QPointF> added;
    for (size_t i = grew ? had : 0; i < rows.size(); ++i) {
        const double v = money(rows[i].balance);
        added.append(QPointF(double(i + 1), v));
        low_ = std::min(low_, v);
        high_ = std::max(high_, v);
    }
    worth->append(added);
    rows_ = std::move(rows);
    const double last = std::max<double>(2, double(rows_.size()));
    startLine->replace(QList<QPointF>{{1, money(start)}, {last, money(start)}});
    axisX->setRange(1, last);
    const double pad = high_ == low_ ? std::max(1.0, std::abs(low_) * 0.001) : (high_ - low_) * 0.05;
    axisY->setRange(low_ - pad, high_ + pad);
    axisY->applyNiceNumbers();
    placeTimes();
    KeepPlace();
}

void WorthChart::placeTimes()
{
    for (const QString& label : axisX->categoriesLabels())
        axisX->remove(label);
    const int n = int(rows_.size());
    for (int k = 0; k < std::min(n, kTimeLabels); ++k) {
        const int row = kTimeLabels > 1 && n > 1 ? int(std::lround(double(k) * (n - 1) / (std::min(n, kTimeLabels) - 1))) : 0;
        const QDateTime& t = rows_[size_t(row)].time;
        // Each label unique, as the axis keys them by text.
        axisX->append(QStringLiteral("%1 %2").arg(QLocale().dayName(t.date().dayOfWeek(), QLocale::ShortFormat),
                          t.time().toString(QStringLiteral("hh:mm"))) +
                QString(k, QChar(0x200B)),
            row + 1);
    }
}

QString WorthChart::PlaceText(int place) const
{
    if (place < 0 || place >= PlaceCount())
        return {};
    const WorthLog::Row& r = rows_[size_t(place)];
    return QStringLiteral("Worth %1 of %2: %3 at %4, %5")
        .arg(place + 1)
        .arg(rows_.size())
        .arg(Numbers::PlainText(r.balance), r.time.time().toString(QStringLiteral("hh:mm")),
            QLocale().dayName(r.time.date().dayOfWeek(), QLocale::LongFormat));
}

QString WorthChart::Summary() const
{
    std::vector<double> figures;
    figures.reserve(rows_.size());
    for (const WorthLog::Row& r : rows_)
        figures.push_back(money(r.balance));
    return Charts::Summary(QStringLiteral("Worth"), QStringLiteral("figure"), QStringLiteral("figures"), figures);
}

QString WorthChart::ToolTipAt(const QPoint& pos) const
{
    const QPointF inChart = chart()->mapFromScene(mapToScene(pos));
    const QRectF area = chart()->plotArea();
    if (rows_.empty() || !area.contains(inChart))
        return {};
    const double x = axisX->min() + (inChart.x() - area.left()) / area.width() * (axisX->max() - axisX->min());
    const int k = int(std::lround(x));
    return k >= 1 && k <= PlaceCount() ? PlaceText(k - 1) : QString();
}

QPointF WorthChart::PlaceValue(int place) const { return QPointF(place + 1, money(rows_[size_t(place)].balance)); }

QAbstractSeries* WorthChart::PlaceSeries() const { return worth; }
