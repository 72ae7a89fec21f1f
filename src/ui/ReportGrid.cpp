#include "ReportGrid.h"
#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <array>

/// A data cell that holds its text as a string, with its width as last
/// measured: a tick compares and rewrites thousands of cells, and fitting the
/// columns then measures only those whose text changed.
class ReportGrid::Cell final : public QTableWidgetItem {
public:
    static constexpr int Type = QTableWidgetItem::UserType + 1;
    explicit Cell(const QString& text) : QTableWidgetItem(Type), shown(text)
    {
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    QVariant data(int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return shown;
        // What a screen reader says of an empty cell, which it would otherwise pass over in silence.
        if (role == Qt::AccessibleTextRole)
            return shown.isEmpty() ? QVariant(QCoreApplication::translate("Grid", "blank")) : QVariant();
        return QTableWidgetItem::data(role);
    }
    void setData(int role, const QVariant& value) override
    {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return QTableWidgetItem::setData(role, value);
        Set(value.toString());
        if (auto* g = qobject_cast<ReportGrid*>(tableWidget()))
            g->Changed(this);
    }
    QTableWidgetItem* clone() const override { return new Cell(shown); }
    ~Cell() override
    {
        if (auto* g = qobject_cast<ReportGrid*>(tableWidget()))
            g->items_.clear();
    }
    void Set(const QString& text)
    {
        shown = text;
        measuredIn = -1;
    }

    QString shown;
    int width = 0;
    int measuredIn = -1; ///< the grid's measuring epoch the width belongs to
};

ReportGrid::ReportGrid(QWidget* parent, const char* name, int rows, int cols, int fixedRows)
    : QTableWidget(parent), fixed_(fixedRows > 0 ? 1 : 0)
{
    setObjectName(QString::fromLatin1(name));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Tab leaves the grid; the arrow keys move inside it.
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::StrongFocus);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setVisible(fixed_ == 1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    SetCols(cols);
    SetRows(rows);
    // Every cell of the designed grid is there, empty, so that it can be read as blank.
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            setItem(r, c, new Cell(QString()));
    QAbstractItemModel* m = model();
    auto forget = [this] { items_.clear(); };
    connect(m, &QAbstractItemModel::rowsInserted, this, forget);
    connect(m, &QAbstractItemModel::rowsRemoved, this, forget);
    connect(m, &QAbstractItemModel::columnsInserted, this, forget);
    connect(m, &QAbstractItemModel::columnsRemoved, this, forget);
    connect(m, &QAbstractItemModel::modelReset, this, forget);
    connect(m, &QAbstractItemModel::layoutChanged, this, forget);
    // An item set, taken or deleted from outside says so as a data change.
    connect(m, &QAbstractItemModel::dataChanged, this, [this] {
        if (!ownWrite_)
            items_.clear();
    });
}

void ReportGrid::SetRows(int n)
{
    if (std::max(0, n - fixed_) == rowCount())
        return;
    items_.clear(); // a batch keeps the model from saying so
    setRowCount(std::max(0, n - fixed_));
}

void ReportGrid::SetCols(int n)
{
    if (std::max(0, n) != columnCount())
        items_.clear();
    setColumnCount(std::max(0, n));
}

QString ReportGrid::CellText(int r, int c) const
{
    const QTableWidgetItem* it = r < fixed_ ? horizontalHeaderItem(c) : item(r - fixed_, c);
    return it ? it->text() : QString();
}

void ReportGrid::Write(int r, int c, QStringView text, const QString* whole)
{
    if (r < 0 || c < 0)
        return;
    int cols = columnCount();
    if (c >= cols || r >= Rows()) {
        // The view must hear of new rows and columns as they come, batch or not.
        model()->blockSignals(false);
        if (c >= columnCount())
            SetCols(c + 1);
        if (r >= Rows())
            SetRows(r + 1);
        model()->blockSignals(batching_);
        cols = columnCount();
    }
    auto string = [&] { return whole ? *whole : text.toString(); };
    const size_t at = size_t(r - fixed_) * size_t(cols) + size_t(c);
    QTableWidgetItem* it = r < fixed_ ? horizontalHeaderItem(c) : Items()[at];
    if (!it) {
        if (text.isEmpty() && r < fixed_)
            return; // an absent heading already reads as empty
        if (r < fixed_) {
            it = new QTableWidgetItem(string());
            it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setHorizontalHeaderItem(c, it);
        } else {
            Cell* cell = new Cell(string());
            ownWrite_ = true;
            setItem(r - fixed_, c, cell);
            ownWrite_ = false;
            if (at < items_.size())
                items_[at] = cell;
        }
    } else if (it->type() == Cell::Type) {
        Cell* cell = static_cast<Cell*>(it);
        if (cell->shown != text) {
            cell->Set(string());
            Changed(cell);
        }
    } else if (it->text() != text) {
        it->setText(string());
    }
}

const std::vector<QTableWidgetItem*>& ReportGrid::Items()
{
    const size_t rows = size_t(rowCount()), cols = size_t(columnCount());
    if (items_.size() != rows * cols) {
        items_.resize(rows * cols);
        for (size_t r = 0; r < rows; ++r)
            for (size_t c = 0; c < cols; ++c)
                items_[r * cols + c] = item(int(r), int(c));
    }
    return items_;
}

void ReportGrid::Changed(Cell* cell)
{
    if (batching_)
        return;
    const QModelIndex i = indexFromItem(cell);
    ownWrite_ = true;
    emit model()->dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    ownWrite_ = false;
}

ReportGrid::Batch::Batch(ReportGrid& g) : g_(g)
{
    g_.batching_ = true;
    g_.model()->blockSignals(true);
}

ReportGrid::Batch::~Batch()
{
    g_.batching_ = false;
    QAbstractItemModel* m = g_.model();
    m->blockSignals(false);
    g_.ownWrite_ = true;
    if (m->rowCount() > 0 && m->columnCount() > 0)
        emit m->dataChanged(m->index(0, 0), m->index(m->rowCount() - 1, m->columnCount() - 1));
    g_.ownWrite_ = false;
    if (g_.fixed_ && m->columnCount() > 0)
        emit m->headerDataChanged(Qt::Horizontal, 0, m->columnCount() - 1);
}

namespace {
/// Text widths for a whole grid at a time. Plain ASCII text, which is what the
/// grids hold, is measured by the sum of its characters' advances: never less
/// than the shaped width (kerning only narrows such text), and far cheaper
/// than shaping thousands of cells on every tick.
class WidthMeter {
public:
    explicit WidthMeter(const QFont& f) : fm_(f) { advance_.fill(-1); }
    int width(const QString& text)
    {
        int w = 0;
        for (QChar ch : text) {
            const char16_t u = ch.unicode();
            if (u >= 128)
                return fm_.horizontalAdvance(text);
            int& a = advance_[u];
            if (a < 0)
                a = fm_.horizontalAdvance(ch);
            w += a;
        }
        return w;
    }

private:
    QFontMetrics fm_;
    std::array<int, 128> advance_;
};
} // namespace

void ReportGrid::FitColumns()
{
    WidthMeter meter(font());
    if (font() != measuredFont_) {
        measuredFont_ = font();
        ++measuredEpoch_;
    }
    auto measure = [&](QTableWidgetItem& it) {
        if (it.type() != Cell::Type)
            return meter.width(it.text());
        Cell& cell = static_cast<Cell&>(it);
        if (cell.measuredIn != measuredEpoch_) {
            cell.width = meter.width(cell.shown);
            cell.measuredIn = measuredEpoch_;
        }
        return cell.width;
    };
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 6);
    const QFontMetrics header(horizontalHeader()->font());
    const int pad = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    const std::vector<QTableWidgetItem*>& items = Items();
    const int cols = columnCount();
    for (int c = 0; c < cols; ++c) {
        int w = QFontMetrics(font()).horizontalAdvance(QLatin1Char('0')) * 3;
        if (const QTableWidgetItem* h = fixed_ ? horizontalHeaderItem(c) : nullptr)
            w = std::max(w, header.horizontalAdvance(h->text()) + pad + 4);
        for (size_t at = size_t(c); at < items.size(); at += size_t(cols))
            if (QTableWidgetItem* it = items[at])
                w = std::max(w, measure(*it) + pad);
        if (columnWidth(c) != w)
            setColumnWidth(c, w);
    }
}

int ReportGrid::NeededWidth() const
{
    int w = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < columnCount(); ++c)
        w += columnWidth(c);
    return w;
}

void ReportGrid::focusInEvent(QFocusEvent* e)
{
    if (!currentIndex().isValid() && rowCount() > 0 && columnCount() > 0)
        setCurrentCell(0, 0);
    QTableWidget::focusInEvent(e);
}
