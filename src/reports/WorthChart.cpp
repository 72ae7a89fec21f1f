#include "WorthChart.h"
#include "ui/Numbers.h"
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>
#include <cmath>

namespace {
constexpr int kTimeLabels = 6;
/// More points than a chart has pixels across only cost drawing time.
constexpr size_t kDrawnBuckets = 500;
double money(dao::Currency c) { return c.toDouble(); }

/// The balance of a row, or the market's worth beside it.
using Figure = std::optional<dao::Currency> (*)(const WorthLog::Row&);
std::optional<dao::Currency> balanceOf(const WorthLog::Row& r) { return r.balance; }
std::optional<dao::Currency> marketOf(const WorthLog::Row& r) { return r.market; }

/// The line through the rows' figures: each, or for a long series the lowest
/// and the highest of each run of rows, so that no rise or fall is lost. Rows
/// without the figure are left out.
QList<QPointF> drawnPoints(const std::vector<WorthLog::Row>& rows, Figure figure)
{
    const size_t n = rows.size(), run = std::max<size_t>((n + kDrawnBuckets - 1) / kDrawnBuckets, 1);
    QList<QPointF> out;
    out.reserve(qsizetype(std::min(n, 2 * kDrawnBuckets)));
    for (size_t from = 0; from < n; from += run) {
        const size_t to = std::min(n, from + run);
        std::optional<size_t> lo, hi;
        for (size_t i = from; i < to; ++i) {
            const std::optional<dao::Currency> v = figure(rows[i]);
            if (!v)
                continue;
            lo = !lo || *v < *figure(rows[*lo]) ? i : *lo;
            hi = !hi || *v > *figure(rows[*hi]) ? i : *hi;
        }
        if (!lo)
            continue;
        for (size_t i : {std::min(*lo, *hi), std::max(*lo, *hi)}) {
            out.append(QPointF(double(i + 1), money(*figure(rows[i]))));
            if (*lo == *hi)
                break;
        }
    }
    return out;
}
} // namespace

WorthChart::WorthChart(QWidget* parent) : ReadableChart(parent)
{
    setObjectName(QStringLiteral("worthChart"));
    QChart* c = chart();
    c->setMargins(QMargins(4, 4, 36, 4)); // room for the last time's label, which stands on the plot's edge
    axisX = new QCategoryAxis(c);
    axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axisX->setTitleText(QCoreApplication::translate("WorthChart", "Game time"));
    axisY = new QValueAxis(c);
    axisY->setTitleText(QCoreApplication::translate("WorthChart", "Balance"));
    axisY->setLabelFormat(QStringLiteral("%.0f"));
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(axisX), static_cast<QAbstractAxis*>(axisY)}) {
        axis->setLabelsFont(font()); // in the application's font, never smaller
        axis->setTitleFont(font());
    }
    c->addAxis(axisX, Qt::AlignBottom);
    c->addAxis(axisY, Qt::AlignLeft);
    startLine = new QLineSeries(c);
    startLine->setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
    worth = new QLineSeries(c);
    worth->setPen(QPen(QColor(0, 0, 0), 2));
    // Told apart by its dashes as much as by its colour, which reads on light and dark alike.
    market = new QLineSeries(c);
    market->setPen(QPen(QColor(0xC0, 0x50, 0x00), 2, Qt::DashDotLine));
    worth->setName(QCoreApplication::translate("WorthChart", "Your worth"));
    market->setName(QCoreApplication::translate("WorthChart", "The market"));
    for (QLineSeries* s : {startLine, market, worth}) {
        c->addSeries(s);
        s->attachAxis(axisX);
        s->attachAxis(axisY);
    }
    // A key to the two lines; the starting balance's needs none.
    c->legend()->setAlignment(Qt::AlignBottom);
    c->legend()->setFont(font());
    c->legend()->setLabelColor(palette().color(QPalette::WindowText));
    for (QLegendMarker* m : c->legend()->markers(startLine))
        m->setVisible(false);
    c->legend()->show();
}

void WorthChart::SetRows(std::vector<WorthLog::Row> rows, dao::Currency start)
{
    rows_.clear();
    start_ = start;
    low_ = high_ = money(start);
    AddRows(std::move(rows));
}

void WorthChart::AddRows(std::vector<WorthLog::Row> more)
{
    for (const WorthLog::Row& r : more)
        for (const std::optional<dao::Currency>& v : {std::optional(r.balance), r.market})
            if (v) {
                low_ = std::min(low_, money(*v));
                high_ = std::max(high_, money(*v));
            }
    rows_.insert(rows_.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    worth->replace(drawnPoints(rows_, balanceOf)); // in one step: each point added alone redraws the line
    market->replace(drawnPoints(rows_, marketOf));
    const double last = std::max<double>(2, double(rows_.size()));
    startLine->replace(QList<QPointF>{{1, money(start_)}, {last, money(start_)}});
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
    const int n = int(rows_.size()), labels = std::min(n, kTimeLabels);
    for (int k = 0; k < labels; ++k) {
        const int row = labels > 1 ? int(std::lround(double(k) * (n - 1) / (labels - 1))) : 0;
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
    const QString worthText = QCoreApplication::translate("WorthChart", "Worth %1 of %2: %3 at %4, %5")
                                  .arg(place + 1)
                                  .arg(rows_.size())
                                  .arg(Numbers::PlainText(r.balance), r.time.time().toString(QStringLiteral("hh:mm")),
                                      QLocale().dayName(r.time.date().dayOfWeek(), QLocale::LongFormat));
    return r.market
        ? worthText + QCoreApplication::translate("WorthChart", "; market %1").arg(Numbers::PlainText(*r.market))
        : worthText;
}

QString WorthChart::Summary() const
{
    std::vector<double> figures, markets;
    figures.reserve(rows_.size());
    for (const WorthLog::Row& r : rows_) {
        figures.push_back(money(r.balance));
        if (r.market)
            markets.push_back(money(*r.market));
    }
    const int n = int(figures.size());
    QString s = Charts::Summary(QCoreApplication::translate("WorthChart", "Worth"),
        n ? QCoreApplication::translate("WorthChart", "%n figure(s)", nullptr, n)
          : QCoreApplication::translate("WorthChart", "no figures"),
        figures);
    // The two last figures side by side, as the player compares them.
    if (!markets.empty())
        s += QCoreApplication::translate("WorthChart", ". Now: worth %1, market %2")
                 .arg(Numbers::PlainText(figures.back()), Numbers::PlainText(markets.back()));
    return s;
}

QString WorthChart::ToolTipAt(const QPoint& pos) const
{
    const auto k = TickAt(pos);
    return k ? PlaceText(*k - 1) : QString(); // none outside the rows
}

QPointF WorthChart::PlaceValue(int place) const { return QPointF(place + 1, money(rows_[size_t(place)].balance)); }

QAbstractSeries* WorthChart::PlaceSeries() const { return worth; }
