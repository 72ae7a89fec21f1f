#pragma once
// A window that shows one grid, optionally with controls above it, and a note
// below it that says why the last refresh could not be made.
#include "Forms.h"
#include "ReportGrid.h"
#include <exception>

class QLabel;
class QVBoxLayout;

class ReportWindow : public Form {
    Q_OBJECT
public:
    /// The grid gets the window's caption as its accessible name; F1 opens helpTopic.
    ReportWindow(const QString& caption, ReportGrid* grid, int helpTopic);

    ReportGrid* grid;
    QLabel* noteLabel;

    /// A report's grid, named "grid", in the application's font.
    static ReportGrid* MakeGrid(int rows, int cols, int fixedRows = 0);

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
