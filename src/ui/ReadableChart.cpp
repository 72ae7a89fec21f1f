#include "ReadableChart.h"
#include "Numbers.h"
#include <QAbstractSeries>
#include <QAccessibleWidget>
#include <QChart>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>
#include <QValueAxis>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <map>

namespace Charts {

std::optional<int> MovePlace(std::optional<int> place, int count, int key)
{
    if (count == 0)
        return std::nullopt;
    if (key == Qt::Key_Home || key == Qt::Key_End)
        return key == Qt::Key_Home ? 0 : count - 1;
    const std::pair<int, int> kSteps[] = {
        {Qt::Key_Left, -1}, {Qt::Key_Right, 1}, {Qt::Key_PageUp, -10}, {Qt::Key_PageDown, 10}};
    for (const auto& [k, step] : kSteps)
        if (k == key) // the first key starts at the end it moves away from
            return !place ? (step > 0 ? 0 : count - 1) : std::clamp(*place + step, 0, count - 1);
    return std::nullopt;
}

QString Summary(const QString& name, const QString& counted, const std::vector<double>& figures)
{
    if (figures.empty())
        return QCoreApplication::translate("Chart", "%1: %2").arg(name, counted);
    const auto [low, high] = std::minmax_element(figures.begin(), figures.end());
    const double first = figures.front(), last = figures.back();
    QString s = QCoreApplication::translate("Chart", "%1: %2, first %3, last %4, lowest %5, highest %6")
                    .arg(name, counted, Numbers::PlainText(first), Numbers::PlainText(last), Numbers::PlainText(*low),
                        Numbers::PlainText(*high));
    if (first != 0) {
        const double change = (last - first) / first * 100;
        s += QCoreApplication::translate("Chart", ", change %1%2 %")
                 .arg(change > 0 ? QStringLiteral("+") : QString(), QLocale().toString(change, 'f', 2));
    }
    return s;
}

} // namespace Charts

namespace {

/// One figure of the chart: named as the cursor reads it, focused where the cursor is.
class Figure : public QAccessibleInterface {
public:
    Figure(ReadableChart* c, int place) : chart_(c), place_(place) { }
    bool isValid() const override { return chart_ && place_ < chart_->PlaceCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return chart_ ? chart_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(chart_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? chart_->PlaceText(place_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override { return isValid() ? chart_->PlaceRect(place_) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = s.selectable = true;
        s.focused = s.selected = chart_ && chart_->hasFocus() && chart_->Place() == place_;
        s.invisible = !isValid();
        return s;
    }

private:
    QPointer<ReadableChart> chart_;
    int place_;
};

class ChartInterface : public QAccessibleWidget {
public:
    explicit ChartInterface(ReadableChart* c) : QAccessibleWidget(c, QAccessible::Chart) { }
    ~ChartInterface() override
    {
        for (const auto& [place, id] : figures_)
            QAccessible::deleteAccessibleInterface(id);
    }
    ReadableChart* chart() const { return static_cast<ReadableChart*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return chart()->Summary();
        if (t == QAccessible::Description)
            return QCoreApplication::translate("Chart",
                "Left and Right move through the figures one by one, Page Up and Page Down by ten, "
                "Home and End to the first and the last.");
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return chart()->PlaceCount(); }
    QAccessibleInterface* child(int place) const override
    {
        if (place < 0 || place >= childCount())
            return nullptr;
        if (const auto it = figures_.find(place); it != figures_.end())
            return QAccessible::accessibleInterface(it->second);
        auto* f = new Figure(chart(), place);
        figures_[place] = QAccessible::registerAccessibleInterface(f);
        return f;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        for (const auto& [place, id] : figures_)
            if (QAccessible::accessibleInterface(id) == c)
                return place;
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override
    {
        return chart()->hasFocus() && chart()->Place() ? child(*chart()->Place()) : nullptr;
    }

private:
    mutable std::map<int, QAccessible::Id> figures_; ///< made as asked for; the cache owns them
};

QAccessibleInterface* chartInterface(const QString&, QObject* o)
{
    auto* c = qobject_cast<ReadableChart*>(o);
    return c ? new ChartInterface(c) : nullptr;
}

} // namespace

ReadableChart::ReadableChart(QWidget* parent) : QChartView(parent)
{
    static const bool installed = (QAccessible::installFactory(chartInterface), true);
    (void)installed;
    setFocusPolicy(Qt::StrongFocus);
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    chart()->legend()->hide();
    chart()->setMargins(QMargins(4, 4, 4, 4));
}

void ReadableChart::KeepPlace()
{
    const int count = PlaceCount();
    if (place_ && *place_ >= count)
        place_ = count ? std::optional<int>(count - 1) : std::nullopt;
    viewport()->update();
}

std::optional<int> ReadableChart::TickAt(const QPoint& pos) const
{
    const QPointF inChart = chart()->mapFromScene(mapToScene(pos));
    const QRectF area = chart()->plotArea();
    const auto* x = qobject_cast<QValueAxis*>(chart()->axes(Qt::Horizontal).value(0));
    if (!x || !area.contains(inChart))
        return std::nullopt;
    return int(std::lround(x->min() + (inChart.x() - area.left()) / area.width() * (x->max() - x->min())));
}

QPointF ReadableChart::scenePoint(int place) const
{
    return chart()->mapToScene(chart()->mapToPosition(PlaceValue(place), PlaceSeries()));
}

QRect ReadableChart::PlaceRect(int place) const
{
    if (place < 0 || place >= PlaceCount() || !PlaceSeries())
        return {};
    return QRect(viewport()->mapToGlobal(mapFromScene(scenePoint(place))) - QPoint(4, 4), QSize(9, 9));
}

void ReadableChart::keyPressEvent(QKeyEvent* e)
{
    const auto moved = Charts::MovePlace(place_, PlaceCount(), e->key());
    if (!moved || e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QChartView::keyPressEvent(e);
        return;
    }
    place_ = moved;
    viewport()->update();
    // The figure the cursor moved to takes the focus within the chart: a screen reader reads it.
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(*place_);
    QAccessible::updateAccessibility(&focus);
}

void ReadableChart::drawForeground(QPainter* p, const QRectF& rect)
{
    QChartView::drawForeground(p, rect);
    if (!place_ || *place_ >= PlaceCount() || !PlaceSeries())
        return;
    // A line through the figure, and the pointer's text for it at the top of the plot.
    const QPointF at = scenePoint(*place_);
    const QRectF area = chart()->mapRectToScene(chart()->plotArea());
    const QString text = PlaceText(*place_);
    p->save();
    p->setPen(QPen(Qt::black, 1, Qt::DashLine));
    p->drawLine(QPointF(at.x(), area.top()), QPointF(at.x(), area.bottom()));
    p->setPen(QPen(Qt::black, 1));
    p->setBrush(Qt::white);
    p->drawEllipse(at, 4, 4);
    QRectF box(QPointF(0, 0), QSizeF(fontMetrics().horizontalAdvance(text) + 10, fontMetrics().height() + 6));
    box.moveTopLeft(QPointF(std::min(at.x() + 6, area.right() - box.width()), area.top() + 2));
    p->drawRect(box);
    p->drawText(box, Qt::AlignCenter, text);
    p->restore();
}

void ReadableChart::mouseMoveEvent(QMouseEvent* e)
{
    const QString tip = ToolTipAt(e->position().toPoint());
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(e->globalPosition().toPoint(), tip, this);
    QChartView::mouseMoveEvent(e);
}
