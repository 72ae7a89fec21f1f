// The report grids' own cells, batch and width measure, apart from the reports.
#include "support/GameFixture.h"

TEST(ReportGrid, GrowsWhereWrittenInsertsRowsTellsTheViewOnceABatchAndColumnsFitTheirText)
{
    ReportGrid g(nullptr, "grid", 3, 2, 1); // a header row and two data rows
    g.SetCellText(0, 0, QString("Head"));
    g.SetCellText(2, 1, QString("C"));
    g.SetCellText(3, 2, QString("grown")); // past its last row and column: grown to it
    EXPECT_EQ(GridRows(g), QStringList({"Head||", "||", "|C|", "||grown"}));
    g.InsertRow(0); // below the header
    g.SetCellText(1, 0, QString("new"));
    EXPECT_EQ(GridRows(g), QStringList({"Head||", "new||", "||", "|C|", "||grown"}));
    EXPECT_EQ(g.model()->headerData(0, Qt::Horizontal).toString(), "Head");
    QSignalSpy told(g.model(), &QAbstractItemModel::dataChanged);
    {
        ReportGrid::Batch batch(g);
        for (int r = 1; r < 5; ++r)
            g.SetCellText(r, 0, QString::number(r));
        EXPECT_EQ(told.count(), 0);
    }
    EXPECT_EQ(told.count(), 1);
    g.SetCellText(1, 0, QString("1")); // the text it has: nothing to tell
    EXPECT_EQ(told.count(), 1);
    g.ClearCells();
    EXPECT_EQ(GridRows(g), QStringList({"Head||", "||", "||", "||", "||"}));
    g.SetCellText(1, 0, QString("WW"));
    g.FitColumns();
    const int narrow = g.columnWidth(0);
    const QString wide(30, 'W');
    g.SetCellText(1, 0, wide);
    g.FitColumns();
    EXPECT_GT(g.columnWidth(0), g.fontMetrics().horizontalAdvance(wide));
    g.SetCellText(1, 0, QString("WW"));
    g.FitColumns(); // the wide text gone: narrow again
    EXPECT_EQ(g.columnWidth(0), narrow);
    QFont larger = g.font();
    larger.setPointSizeF(larger.pointSizeF() * 3);
    g.setFont(larger); // every cell measured again
    g.FitColumns();
    EXPECT_GT(g.columnWidth(0), QFontMetrics(larger).horizontalAdvance("WW"));
}
