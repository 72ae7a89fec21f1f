#include "Form4.h"
#include "game/Module1.h"
#include "ui/Twips.h"

namespace {
struct Column {
    const char* header;
    int width;
};
// Translated where they are shown.
constexpr Column kColumns[7] = {{QT_TRANSLATE_NOOP("Form4", "Symbol"), 550},
    {QT_TRANSLATE_NOOP("Form4", "Price"), 1000}, {QT_TRANSLATE_NOOP("Form4", "Min/Day"), 1000},
    {QT_TRANSLATE_NOOP("Form4", "Max/Day"), 1000}, {QT_TRANSLATE_NOOP("Form4", "Volume"), 1000},
    {QT_TRANSLATE_NOOP("Form4", "Min/History"), 1000}, {QT_TRANSLATE_NOOP("Form4", "Max/History"), 1000}};
} // namespace

Form4::Form4()
    : ReportForm(tr("Price Information"), MakeGrid(2, 7, Twips::DesignFont(QStringLiteral("MS Sans Serif"), 8.25), 1),
          7500, 4500, 3)
{
    // Headed from the start, so that a board the market cannot fill still says what it would show.
    for (int c = 0; c < 7; ++c) {
        MSFlexGrid1->SetColWidth(c, kColumns[c].width);
        MSFlexGrid1->SetTextMatrix(0, c, tr(kColumns[c].header));
    }
    FitGrid();
}

void Form4::formLoad() { Module1::RefreshPriceInformation(); }
