#include "ReportWindow.h"
#include "Failure.h"
#include "Look.h"
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <climits>

ReportWindow::ReportWindow(const QString& caption, ReportGrid* g, int helpTopic) : grid(g)
{
    setWindowTitle(caption);
    setProperty("helpContextID", helpTopic);
    Look::Silver(this);
    box = new QVBoxLayout(this);
    grid->setParent(this);
    grid->setAccessibleName(caption);
    grid->setToolTip(caption);
    box->addWidget(grid, 1);
    noteLabel = new QLabel(this);
    noteLabel->setObjectName(QStringLiteral("noteLabel"));
    noteLabel->setWordWrap(true);
    noteLabel->hide();
    box->addWidget(noteLabel);
}

ReportGrid* ReportWindow::MakeGrid(int rows, int cols, int fixedRows)
{
    return new ReportGrid(nullptr, "grid", rows, cols, fixedRows);
}

void ReportWindow::SetNote(const QString& text)
{
    noteLabel->setText(text);
    noteLabel->setVisible(!text.isEmpty());
    FitHeight();
}

void ReportWindow::ReportFailure(const QString& what, const std::exception& e) { SetNote(Ui::Failure(what, e)); }

void ReportWindow::FitGrid()
{
    grid->FitColumns();
    const QMargins m = box->contentsMargins();
    // Never wider than the screen: a long text scrolls in its column instead.
    const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, INT_MAX / 2, INT_MAX / 2);
    const int frame = frameGeometry().width() - width();
    const int needed = std::min(grid->NeededWidth() + m.left() + m.right(), area.width() - frame);
    grid->setMinimumWidth(needed - m.left() - m.right()); // which widens the window where it was narrower
    if (width() < needed)
        resize(needed, height());
    // A window that grows while shown stays where it can be seen (worked out
    // from the new width: the window system may report the old one a while).
    const int overflow = frameGeometry().x() + std::max(needed, width()) + frame - 1 - area.right();
    if (isVisible() && overflow > 0)
        move(std::max(area.left(), x() - overflow), y());
    FitHeight();
}
