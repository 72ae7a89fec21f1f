#pragma once
// A window that shows one grid, optionally with controls above it, and a note
// below it that says why the last refresh could not be made.
#include "FlexGrid.h"
#include "Forms.h"
#include <exception>

class QLabel;
class QVBoxLayout;

class ReportForm : public Form {
    Q_OBJECT
public:
    /// The grid gets the window's caption as its accessible name; F1 opens helpTopic.
    ReportForm(const QString& caption, FlexGrid* grid, int widthTwips, int heightTwips, int helpTopic);

    FlexGrid* MSFlexGrid1;
    QLabel* lblNote;

    /// A report's grid, named MSFlexGrid1, in the font its window was designed with.
    static FlexGrid* MakeGrid(int rows, int cols, const QFont& font, int fixedRows = 0);

    /// Shows the note, or hides it when empty.
    void SetNote(const QString& text);
    /// The note for a refresh that failed: the grid keeps what it showed.
    void ReportFailure(const QString& what, const std::exception& e);
    /// Widens the columns to their texts and the window to its columns.
    void FitGrid();

protected:
    /// Controls above the grid go here.
    QVBoxLayout* box;
};
