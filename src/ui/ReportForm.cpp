#include "ReportForm.h"
#include "MsgBox.h"
#include "Twips.h"
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <climits>

ReportForm::ReportForm(const QString& caption, FlexGrid* grid, int widthTwips, int heightTwips, int helpTopic)
    : MSFlexGrid1(grid)
{
    setWindowTitle(caption);
    setProperty("helpContextID", helpTopic);
    Twips::SetBackground(this, Twips::kSilver);
    box = new QVBoxLayout(this);
    box->setContentsMargins(6, 6, 6, 6);
    grid->setParent(this);
    grid->setAccessibleName(caption);
    grid->setToolTip(caption);
    box->addWidget(grid, 1);
    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    lblNote->hide();
    box->addWidget(lblNote);
    resize(Twips::ToPixels(widthTwips), Twips::ToPixels(heightTwips));
}

FlexGrid* ReportForm::MakeGrid(int rows, int cols, const QFont& font, int fixedRows)
{
    auto* g = new FlexGrid(nullptr, "MSFlexGrid1", rows, cols, fixedRows);
    g->setFont(font);
    return g;
}

void ReportForm::SetNote(const QString& text)
{
    lblNote->setText(text);
    lblNote->setVisible(!text.isEmpty());
}

void ReportForm::ReportFailure(const QString& what, const std::exception& e) { SetNote(Ui::Failure(what, e)); }

void ReportForm::FitGrid()
{
    MSFlexGrid1->FitColumns();
    const QMargins m = box->contentsMargins();
    // Never wider than the screen: a long text scrolls in its column instead.
    const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, INT_MAX / 2, INT_MAX / 2);
    const int frame = frameGeometry().width() - width();
    const int needed = std::min(MSFlexGrid1->NeededWidth() + m.left() + m.right(), area.width() - frame);
    setMinimumWidth(needed); // which widens the window where it was narrower
    if (width() < needed)
        resize(needed, height());
    // A window that grows while shown stays where it can be seen (worked out
    // from the new width: the window system may report the old one a while).
    const int overflow = frameGeometry().x() + std::max(needed, width()) + frame - 1 - area.right();
    if (isVisible() && overflow > 0)
        move(std::max(area.left(), x() - overflow), y());
}
