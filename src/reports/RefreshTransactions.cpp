#include "Form11.h"
#include "dao/Dao.h"
#include "data/GameReport.h"
#include "data/GameSchema.h"
#include "game/Module1.h"
#include "ui/Numbers.h"
#include <QCoreApplication>
#include <QLabel>

namespace Module1 {

namespace {
/// The value without its sign, of the same kind.
dao::Value magnitude(const dao::Value& v)
{
    using K = dao::Value::Kind;
    switch (v.kind()) {
    case K::Long:
        return v.asLong() < 0 ? dao::Value(-v.asLong()) : v;
    case K::Double:
        return v.asDouble() < 0 ? dao::Value(-v.asDouble()) : v;
    case K::Currency:
        return v.asCurrency() < dao::Currency() ? dao::Value(-v.asCurrency()) : v;
    default:
        return v;
    }
}

struct LoggedTrade {
    dao::Value symbol, price, units, result;
};
} // namespace

void RefreshTransactions(const Game* game)
{
    if (!game)
        return;
    Form11& f = Forms::Get<Form11>();
    std::vector<LoggedTrade> trades;
    if (!GameReport::Read(f, *game,
            QCoreApplication::translate("Reports", "The transactions cannot be read from the game file"),
            [&](dao::Database& file) {
                // In stored order: the order the trades were made.
                using namespace GameSchema;
                dao::Recordset rs = file.openSnapshot(kTradeTable);
                for (int i = 0, n = rs.recordCount(); i < n; ++i, rs.moveNext())
                    trades.push_back(
                        {rs.field(kSymbolField), rs.field(kPriceField), rs.field(kUnitsField), rs.field(kResultField)});
            }))
        return;
    FlexGrid& g = *f.MSFlexGrid1;
    if (trades.empty()) {
        g.SetRow(0);
        g.SetText(QCoreApplication::translate("Reports", "There isn't any transaction yet"));
        g.SetCol(0);
        g.SetText(QCoreApplication::translate("Reports", "N/A"));
    } else {
        const int n = int(trades.size());
        f.Label1->setText(QString::number(n));
        g.SetRows(n);
        g.SetCol(0);
        for (int k = 0; k < n; ++k) {
            const LoggedTrade& t = trades[size_t(k)];
            const bool sale = t.units.isNumber() && t.units.toDouble() < 0;
            g.SetRow(k);
            g.SetTextMatrix(k, 2, Numbers::PlainText(magnitude(t.units)));
            g.SetTextMatrix(k, 4,
                sale ? QCoreApplication::translate("Reports", "Sell") : QCoreApplication::translate("Reports", "Buy"));
            g.SetTextMatrix(k, 3, Numbers::PlainText(magnitude(t.result)));
            g.SetTextMatrix(k, 0, Numbers::PlainText(t.symbol));
            g.SetTextMatrix(k, 1, Numbers::PlainText(t.price));
        }
    }
    f.FitGrid();
}

} // namespace Module1
