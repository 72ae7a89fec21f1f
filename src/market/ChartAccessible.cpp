#include "ChartAccessible.h"
#include "StockChart.h"
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <map>

namespace {

/// One price of the chart: named as the cursor reads it, focused where the cursor is.
class PricePoint : public QAccessibleInterface {
public:
    PricePoint(StockChart* c, int place) : chart_(c), place_(place) { }
    bool isValid() const override { return chart_ && place_ < chart_->PriceCount(); }
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
    QPointer<StockChart> chart_;
    int place_;
};

class ChartInterface : public QAccessibleWidget {
public:
    explicit ChartInterface(StockChart* c) : QAccessibleWidget(c, QAccessible::Chart) { }
    ~ChartInterface() override
    {
        for (const auto& [place, id] : points_)
            QAccessible::deleteAccessibleInterface(id);
    }
    StockChart* chart() const { return static_cast<StockChart*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return chart()->Summary();
        if (t == QAccessible::Description)
            return QStringLiteral("Left and Right move through the prices one by one, Page Up and Page Down by ten, "
                                  "Home and End to the first and the last.");
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return chart()->PriceCount(); }
    QAccessibleInterface* child(int place) const override
    {
        if (place < 0 || place >= childCount())
            return nullptr;
        if (const auto it = points_.find(place); it != points_.end())
            return QAccessible::accessibleInterface(it->second);
        auto* p = new PricePoint(chart(), place);
        points_[place] = QAccessible::registerAccessibleInterface(p);
        return p;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        for (const auto& [place, id] : points_)
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
    mutable std::map<int, QAccessible::Id> points_; ///< made as asked for; the cache owns them
};

QAccessibleInterface* chartInterface(const QString&, QObject* o)
{
    auto* c = qobject_cast<StockChart*>(o);
    return c ? new ChartInterface(c) : nullptr;
}

} // namespace

namespace Market {

void InstallChartAccessibility()
{
    static const bool installed = (QAccessible::installFactory(chartInterface), true);
    (void)installed;
}

} // namespace Market
