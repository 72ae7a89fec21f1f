#include "PriceBoard.h"
#include "data/MarketSchema.h"
#include "game/FollowGame.h"
#include "ui/App.h"
#include "ui/Numbers.h"
#include <array>

namespace {
// Translated where they are shown.
constexpr const char* kColumns[7] = {QT_TRANSLATE_NOOP("PriceBoard", "Symbol"),
    QT_TRANSLATE_NOOP("PriceBoard", "Price"), QT_TRANSLATE_NOOP("PriceBoard", "Min/Day"),
    QT_TRANSLATE_NOOP("PriceBoard", "Max/Day"), QT_TRANSLATE_NOOP("PriceBoard", "Volume"),
    QT_TRANSLATE_NOOP("PriceBoard", "Min/History"), QT_TRANSLATE_NOOP("PriceBoard", "Max/History")};
} // namespace

PriceBoard::PriceBoard() : ReportWindow(tr("Price Information"), MakeGrid(2, 7, 1), 3)
{
    // Headed from the start, so that a board the market cannot fill still says what it would show.
    for (int c = 0; c < 7; ++c)
        grid->SetCellText(0, c, tr(kColumns[c]));
    FitGrid();
    FollowGame(this, {Change::Move}, [this](const Game&, Change) { Refresh(); });
}

void PriceBoard::Load() { Refresh(); }

void PriceBoard::Refresh()
{
    // Read first, so that a failure leaves the last board on screen; made text
    // only when written, where a cell that shows its value already needs none.
    std::vector<std::array<dao::Value, 7>> rows;
    QStringList noHistory;
    try {
        dao::Database db = dao::Database::open(App::MarketFile());
        dao::Transaction view = db.beginRead();
        // All but the names, which the board does not show; the names made once, not per cell.
        using namespace MarketSchema;
        static const QStringList shown{kSymbolField, kPriceField, kMinField, kMaxField, kVolumeField};
        dao::Recordset rs = db.openSnapshot(kStocksTable, shown);
        rs.moveLast();
        const int n = rs.recordCount();
        rs.moveFirst();
        rows.reserve(size_t(n));
        for (int i = 0; i < n; ++i, rs.moveNext()) {
            auto value = [&](int field) { return rs.field(shown[field]); };
            std::array<dao::Value, 7> row{value(0), value(1), value(2), value(3), value(4)};
            const QString symbol = Numbers::PlainText(row[0]);
            // One stock without its history query does not hide the rest of the board.
            try {
                std::tie(row[5], row[6]) = HistoryRange(db, symbol);
            } catch (const dao::Error&) {
                noHistory << symbol;
            }
            rows.push_back(std::move(row));
        }
    } catch (const std::exception& e) {
        ReportFailure(tr("The price board cannot be read from the market"), e);
        return;
    }
    SetNote(noHistory.isEmpty() ? QString() : tr("No price history for: %1").arg(noHistory.join(QStringLiteral(", "))));

    ReportGrid& g = *grid;
    g.setUpdatesEnabled(false);
    g.SetRows(int(rows.size()) + 1);
    g.SetCol(0);
    {
        ReportGrid::Batch batch(g);
        Numbers::TextBuffer buffer;
        for (int i = 0; i < int(rows.size()); ++i)
            for (int c = 0; c < 7; ++c)
                g.SetCellText(i + 1, c, Numbers::PlainText(rows[size_t(i)][size_t(c)], buffer));
    }
    FitGrid();
    g.setUpdatesEnabled(true);
}
