#include "ReportGrid.h"
#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <array>
#include <vector>

/// The cells' texts row by row, each with its width as last measured: a tick
/// compares and rewrites thousands of cells, and fitting the columns then
/// measures only those whose text changed.
class ReportGrid::Cells final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols; }
    QVariant data(const QModelIndex& i, int role) const override
    {
        if (!i.isValid())
            return {};
        const QString& shown = texts[at(i.row(), i.column())];
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return shown;
        // What a screen reader says of an empty cell, which it would otherwise pass over in silence.
        if (role == Qt::AccessibleTextRole && shown.isEmpty())
            return QCoreApplication::translate("Grid", "blank");
        return {};
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (o == Qt::Horizontal && section < heads.size() && !heads[section].isNull())
            return heads[section];
        return section + 1;
    }
    Qt::ItemFlags flags(const QModelIndex& i) const override
    {
        return i.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    size_t at(int r, int c) const { return size_t(r) * size_t(cols) + size_t(c); }
    void setRows(int n)
    {
        if (n == rows)
            return;
        if (n > rows)
            beginInsertRows({}, rows, n - 1);
        else
            beginRemoveRows({}, n, rows - 1);
        const bool more = n > rows;
        rows = n;
        texts.resize(size_t(rows) * size_t(cols));
        widths.resize(texts.size(), 0); // an empty cell is 0 wide
        more ? endInsertRows() : endRemoveRows();
    }
    void setCols(int n)
    {
        if (n == cols)
            return;
        // Only as a grid is made or first grows: its rows are laid out again.
        beginResetModel();
        std::vector<QString> laid(size_t(rows) * size_t(n));
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < std::min(cols, n); ++c)
                laid[size_t(r) * size_t(n) + size_t(c)] = std::move(texts[at(r, c)]);
        texts = std::move(laid);
        widths.assign(texts.size(), -1);
        cols = n;
        heads.resize(n);
        endResetModel();
    }
    void insertRow(int r)
    {
        beginInsertRows({}, r, r);
        texts.insert(texts.begin() + qsizetype(at(r, 0)), size_t(cols), QString());
        widths.insert(widths.begin() + qsizetype(at(r, 0)), size_t(cols), 0);
        ++rows;
        endInsertRows();
    }
    void changed(int r, int c)
    {
        if (!batching)
            emit dataChanged(index(r, c), index(r, c), {Qt::DisplayRole, Qt::EditRole});
    }
    void changedAll()
    {
        if (rows > 0 && cols > 0)
            emit dataChanged(index(0, 0), index(rows - 1, cols - 1), {Qt::DisplayRole, Qt::EditRole});
    }

    int rows = 0, cols = 0;
    std::vector<QString> texts;
    std::vector<int> widths; ///< in the measured font; -1 until measured
    QStringList heads; ///< the columns' names; a null one is unnamed
    bool batching = false;
};

ReportGrid::ReportGrid(QWidget* parent, const char* name, int rows, int cols, int fixedRows)
    : QTableView(parent), cells_(new Cells(this)), fixed_(fixedRows > 0 ? 1 : 0)
{
    setObjectName(QString::fromLatin1(name));
    setModel(cells_);
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
}

int ReportGrid::Rows() const { return cells_->rows + fixed_; }
int ReportGrid::Cols() const { return cells_->cols; }
void ReportGrid::SetRows(int n) { cells_->setRows(std::max(0, n - fixed_)); }
void ReportGrid::SetCols(int n) { cells_->setCols(std::max(0, n)); }

QString ReportGrid::CellText(int r, int c) const
{
    if (r < 0 || c < 0 || r >= Rows() || c >= Cols())
        return {};
    return r < fixed_ ? cells_->heads.value(c) : cells_->texts[cells_->at(r - fixed_, c)];
}

void ReportGrid::Write(int r, int c, QStringView text, const QString* whole)
{
    if (r < 0 || c < 0)
        return;
    if (c >= Cols())
        SetCols(c + 1);
    if (r >= Rows())
        SetRows(r + 1);
    auto string = [&] { return whole ? *whole : text.toString(); };
    if (r < fixed_) {
        QString& head = cells_->heads[c];
        if (head == text)
            return; // an absent heading already reads as empty
        head = string();
        if (!cells_->batching)
            emit cells_->headerDataChanged(Qt::Horizontal, c, c);
        return;
    }
    const size_t at = cells_->at(r - fixed_, c);
    if (cells_->texts[at] == text)
        return;
    cells_->texts[at] = string();
    cells_->widths[at] = -1;
    cells_->changed(r - fixed_, c);
}

void ReportGrid::InsertRow(int r) { cells_->insertRow(std::clamp(r, 0, cells_->rows)); }

void ReportGrid::ClearCells()
{
    std::fill(cells_->texts.begin(), cells_->texts.end(), QString());
    std::fill(cells_->widths.begin(), cells_->widths.end(), 0);
    cells_->changedAll();
}

int ReportGrid::CurrentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void ReportGrid::SetCurrentCell(int r, int c) { setCurrentIndex(cells_->index(r, c)); }

void ReportGrid::SetColumnNames(const QStringList& names)
{
    for (int c = 0; c < Cols(); ++c)
        cells_->heads[c] = names.value(c);
    if (Cols() > 0)
        emit cells_->headerDataChanged(Qt::Horizontal, 0, Cols() - 1);
}

ReportGrid::Batch::Batch(ReportGrid& g) : g_(g) { g_.cells_->batching = true; }

ReportGrid::Batch::~Batch()
{
    Cells& m = *g_.cells_;
    m.batching = false;
    m.changedAll();
    if (g_.fixed_ && m.cols > 0)
        emit m.headerDataChanged(Qt::Horizontal, 0, m.cols - 1);
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
    Cells& m = *cells_;
    if (font() != measuredFont_) { // every kept width lapses
        measuredFont_ = font();
        std::fill(m.widths.begin(), m.widths.end(), -1);
    }
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 6);
    const QFontMetrics header(horizontalHeader()->font());
    const int pad = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    for (int c = 0; c < m.cols; ++c) {
        int w = QFontMetrics(font()).horizontalAdvance(QLatin1Char('0')) * 3;
        if (fixed_)
            w = std::max(w, header.horizontalAdvance(m.heads.value(c)) + pad + 4);
        for (size_t at = size_t(c); at < m.texts.size(); at += size_t(m.cols)) {
            if (m.widths[at] < 0)
                m.widths[at] = meter.width(m.texts[at]);
            w = std::max(w, m.widths[at] + pad);
        }
        if (columnWidth(c) != w)
            setColumnWidth(c, w);
    }
}

int ReportGrid::NeededWidth() const
{
    int w = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < Cols(); ++c)
        w += columnWidth(c);
    return w;
}

void ReportGrid::focusInEvent(QFocusEvent* e)
{
    if (!currentIndex().isValid() && cells_->rows > 0 && cells_->cols > 0)
        SetCurrentCell(0, 0);
    QTableView::focusInEvent(e);
}
