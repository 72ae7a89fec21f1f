#include "Form4.h"
#include "game/Module1.h"
#include "ui/Twips.h"

namespace {
struct Column {
    const char* header;
    int width;
};
constexpr Column kColumns[7] = {{"Symbol", 550}, {"Price", 1000}, {"Min/Day", 1000}, {"Max/Day", 1000},
    {"Volume", 1000}, {"Min/History", 1000}, {"Max/History", 1000}};
} // namespace

Form4::Form4()
    : ReportForm(QStringLiteral("Price Information"),
          MakeGrid(2, 7, Twips::DesignFont(QStringLiteral("MS Sans Serif"), 8.25), 1), 7500, 4500, 3)
{
    // Headed from the start, so that a board the market cannot fill still says what it would show.
    for (int c = 0; c < 7; ++c) {
        MSFlexGrid1->SetColWidth(c, kColumns[c].width);
        MSFlexGrid1->SetTextMatrix(0, c, QString::fromLatin1(kColumns[c].header));
    }
    FitGrid();
}

void Form4::formLoad() { Module1::RefreshPriceInformation(); }
