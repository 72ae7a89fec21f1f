#pragma once
// The report windows' grid: a read-only table written cell by cell, or
// through a current cell, with an optional fixed header row. Its cells are
// plain strings in one array: a board of a thousand stocks holds seven
// thousand of them, and every move rewrites them.
#include <QTableView>

class ReportGrid : public QTableView {
    Q_OBJECT
public:
    /// fixedRows 1 makes row 0 the column header; 0 makes every row a data row.
    ReportGrid(QWidget* parent, const char* name, int rows, int cols, int fixedRows = 0);

    /// Row count, the fixed row included.
    int Rows() const;
    int Cols() const;
    void SetRows(int n);
    void SetCols(int n);

    int Row() const { return row_; }
    int Col() const { return col_; }
    void SetRow(int r) { row_ = r; }
    void SetCol(int c) { col_ = c; }
    /// The current cell's text; writing a cell outside the grid grows it.
    QString Text() const { return CellText(row_, col_); }
    void SetText(const QString& text) { SetCellText(row_, col_, text); }

    /// Row 0 is the header where the grid has one.
    QString CellText(int r, int c) const;
    void SetCellText(int r, int c, const QString& text) { Write(r, c, text, &text); }
    /// A string is made of text only where the cell changes.
    void SetCellText(int r, int c, QStringView text) { Write(r, c, text, nullptr); }

    /// A data row inserted before data row r (0 is the first below any
    /// header), its cells empty; and every data cell emptied, the header kept.
    void InsertRow(int r);
    void ClearCells();
    /// The data row of the cell the keyboard stands on, or -1; and that cell set.
    int CurrentRow() const;
    void SetCurrentCell(int r, int c);

    /// Cell texts written while a batch lives are told to the view as one
    /// change when it ends, not one per cell: a tick rewrites thousands.
    class Batch {
    public:
        explicit Batch(ReportGrid& g);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ReportGrid& g_;
    };
    /// Names the columns of a grid without a fixed row for assistive
    /// technology, which otherwise calls them by their numbers; the header stays hidden.
    void SetColumnNames(const QStringList& names);
    /// Widens each column to its longest text, so that no cell is clipped.
    void FitColumns();
    /// The width that shows every column without a horizontal scroll bar.
    int NeededWidth() const;

protected:
    /// Taking the focus with no cell current makes the first one current, so
    /// that a screen reader has a cell to read, with its column's name.
    void focusInEvent(QFocusEvent* e) override;

private:
    class Cells;
    /// whole is the text as a string where the caller has one, to be shared.
    void Write(int r, int c, QStringView text, const QString* whole);
    Cells* cells_;
    int fixed_;
    int row_ = 0, col_ = 0;
    QFont measuredFont_; ///< the font the cells' kept widths were measured in
};
