#include "Form4.h"
#include "dao/Dao.h"
#include "data/MarketSchema.h"
#include "game/Module1.h"
#include "ui/App.h"
#include "ui/Numbers.h"
#include <QCoreApplication>
#include <array>

namespace Module1 {

void RefreshPriceInformation()
{
    Form4* f = Forms::IfLoadedElseLoad<Form4>();
    if (!f)
        return;
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
        dao::Recordset rs = db.openSnapshot(MarketSchema::kStocksTable, shown);
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
                std::tie(row[5], row[6]) = MarketSchema::HistoryRange(db, symbol);
            } catch (const dao::Error&) {
                noHistory << symbol;
            }
            rows.push_back(std::move(row));
        }
    } catch (const std::exception& e) {
        f->ReportFailure(QCoreApplication::translate("Market", "The price board cannot be read from the market"), e);
        return;
    }
    f->SetNote(noHistory.isEmpty() ? QString()
                                   : QCoreApplication::translate("Market", "No price history for: %1")
                                         .arg(noHistory.join(QStringLiteral(", "))));

    FlexGrid& g = *f->MSFlexGrid1;
    g.setUpdatesEnabled(false);
    g.SetRows(int(rows.size()) + 1);
    g.SetCol(0);
    {
        FlexGrid::Batch batch(g);
        Numbers::TextBuffer buffer;
        for (int i = 0; i < int(rows.size()); ++i)
            for (int c = 0; c < 7; ++c)
                g.SetTextMatrix(i + 1, c, Numbers::PlainText(rows[size_t(i)][size_t(c)], buffer));
    }
    f->FitGrid();
    g.setUpdatesEnabled(true);
}

} // namespace Module1
