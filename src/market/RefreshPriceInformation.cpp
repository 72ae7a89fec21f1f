#include "Form4.h"
#include "app/kit/App.h"
#include "app/kit/Module1.h"
#include "app/kit/Numbers.h"
#include "data/MarketSchema.h"
#include "data/dao/Dao.h"
#include <array>

namespace Module1 {

void RefreshPriceInformation()
{
    Form4* f = Forms::ToRefresh<Form4>();
    if (!f)
        return;
    // Read first, so that a failure leaves the last board on screen.
    std::vector<std::array<QString, 7>> rows;
    QStringList noHistory;
    try {
        dao::Database db = dao::Database::open(App::MarketFile());
        dao::Transaction view = db.beginRead();
        // All but the names, which the board does not show; the names made once, not per cell.
        static const QStringList shown{QStringLiteral("stocksymbol"), QStringLiteral("Stockcurrent Price"),
            QStringLiteral("Min"), QStringLiteral("Max"), QStringLiteral("Volume")};
        dao::Recordset rs = db.openSnapshot(MarketSchema::kStocksTable, shown);
        rs.moveLast();
        const int n = rs.recordCount();
        rs.moveFirst();
        rows.reserve(size_t(n));
        for (int i = 0; i < n; ++i, rs.moveNext()) {
            auto text = [&](int field) { return Numbers::PlainText(rs.field(shown[field])); };
            std::array<QString, 7> row{text(0), text(1), text(2), text(3), text(4), QString(), QString()};
            // One stock without its history query does not hide the rest of the board.
            try {
                const auto [low, high] = MarketSchema::HistoryRange(db, row[0]);
                row[5] = Numbers::PlainText(low);
                row[6] = Numbers::PlainText(high);
            } catch (const dao::Error&) {
                noHistory << row[0];
            }
            rows.push_back(std::move(row));
        }
    } catch (const std::exception& e) {
        f->ReportFailure(QStringLiteral("The price board cannot be read from the market"), e);
        return;
    }
    f->SetNote(noHistory.isEmpty()
            ? QString()
            : QStringLiteral("No price history for: %1").arg(noHistory.join(QStringLiteral(", "))));

    FlexGrid& g = *f->MSFlexGrid1;
    g.setUpdatesEnabled(false);
    g.SetRows(int(rows.size()) + 1);
    g.SetCol(0);
    {
        FlexGrid::Batch batch(g);
        for (int i = 0; i < int(rows.size()); ++i)
            for (int c = 0; c < 7; ++c)
                g.SetTextMatrix(i + 1, c, rows[size_t(i)][size_t(c)]);
    }
    f->FitGrid();
    g.setUpdatesEnabled(true);
}

} // namespace Module1
