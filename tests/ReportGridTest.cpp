// The report grids' own cell index, batch and width measure, apart from the reports.
#include "support/GameFixture.h"

TEST(ReportGrid, WritesFindTheirCellsAfterOutsideChangesABatchTellsTheViewOnceAndColumnsFitTheirText)
{
    ReportGrid g(nullptr, "grid", 3, 2);
    g.SetCellText(0, 0, QString("A"));
    g.SetCellText(2, 1, QString("C"));
    // Cells moved, set and taken from outside: each write after finds its cell anew.
    g.removeRow(0); // A goes, C moves up a row: as many cells as before
    g.insertRow(0);
    g.SetCellText(1, 1, QString("C2"));
    g.setItem(2, 1, new QTableWidgetItem("outside"));
    g.SetCellText(2, 1, QString("B2"));
    delete g.takeItem(1, 0);
    g.SetCellText(1, 0, QString("A2"));
    EXPECT_EQ(GridRows(g), QStringList({"|", "A2|C2", "|B2"}));
    QSignalSpy told(g.model(), &QAbstractItemModel::dataChanged);
    {
        ReportGrid::Batch batch(g);
        for (int r = 0; r < 4; ++r)
            g.SetCellText(r, 0, QString::number(r));
        EXPECT_EQ(told.count(), 0);
    }
    EXPECT_EQ(told.count(), 1);
    g.item(3, 0)->setText("x"); // a cell's text changed from outside: told at once, and read back
    EXPECT_EQ(told.count(), 2);
    EXPECT_EQ(g.CellText(3, 0), "x");
    g.SetCellText(0, 0, QString("WW"));
    g.FitColumns();
    const int narrow = g.columnWidth(0);
    const QString wide(30, 'W');
    g.SetCellText(0, 0, wide);
    g.FitColumns();
    EXPECT_GT(g.columnWidth(0), g.fontMetrics().horizontalAdvance(wide));
    g.SetCellText(0, 0, QString("WW"));
    g.FitColumns(); // the wide text gone: narrow again
    EXPECT_EQ(g.columnWidth(0), narrow);
    QFont larger = g.font();
    larger.setPointSizeF(larger.pointSizeF() * 3);
    g.setFont(larger); // every cell measured again
    g.FitColumns();
    EXPECT_GT(g.columnWidth(0), QFontMetrics(larger).horizontalAdvance("WW"));
}
