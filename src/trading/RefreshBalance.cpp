#include "Form3.h"
#include "app/GameShell.h"
#include "app/Module1.h"
#include "app/Numbers.h"
#include "data/Dao.h"
#include "data/MarketSchema.h"
#include <QHash>
#include <QLabel>
#include <QLineEdit>

namespace Module1 {

void RefreshBalance()
{
    Form3& f = Forms::Get<Form3>();
    if (GameFileName.isEmpty())
        return;
    try {
        dao::Database game = dao::Database::open(GameShell::GameFilePath());
        const dao::Value sum = game.openSnapshot(QStringLiteral("result")).field(QStringLiteral("Sum Of Result"));
        const dao::Currency starting = StartingBalance.isNull() ? dao::Currency() : StartingBalance.toCurrency();
        const double cash = (sum.isNull() ? starting : sum.toCurrency() + starting).toDouble();
        f.cashbalance->setText(Numbers::PlainText(cash));
        f.showplayername->setText(Numbers::PlainText(PlayerName));

        dao::Recordset pos = game.openSnapshot(QStringLiteral("Position"));
        std::optional<double> stocks;
        QStringList missing;
        if (pos.recordCount() != 0) {
            pos.moveLast();
            const int n = pos.recordCount();
            pos.moveFirst();
            stocks = 0.0;
            // The first row of each symbol in table order, read once for all holdings.
            QHash<QString, dao::Value> prices;
            bool pricesRead = false;
            for (int i = 0; i < n; ++i, pos.moveNext()) {
                const QString symbol = Numbers::PlainText(pos.field(QStringLiteral("Symbol")));
                LastValue = pos.field(QStringLiteral("Sum Of units"));
                const double units = LastValue.isNull() ? 0 : LastValue.toDouble();
                LastValue = dao::Null{};
                if (units == 0)
                    continue;
                if (!pricesRead) {
                    dao::Database market = dao::Database::open(GameShell::MarketDatabasePath());
                    dao::Recordset rs = market.openSnapshot(MarketSchema::kStocksTable);
                    for (int k = 0, m = rs.recordCount(); k < m; ++k, rs.moveNext()) {
                        const QString s = Numbers::PlainText(rs.field(QStringLiteral("stocksymbol")));
                        if (!prices.contains(s))
                            prices.insert(s, rs.field(QStringLiteral("Stockcurrent Price")));
                    }
                    pricesRead = true;
                }
                const auto it = prices.constFind(symbol);
                if (it == prices.constEnd() || it->isNull()) {
                    missing << symbol; // valued at 0, and said so
                    continue;
                }
                // Each term is the value of its plain text, as the window writes numbers.
                *stocks += dao::parseNumber(Numbers::PlainText(it->toDouble() * units)).value_or(0);
            }
        }
        f.Text3->setText(stocks ? Numbers::PlainText(*stocks) : QString());
        f.Text4->setText(Numbers::PlainText(cash + stocks.value_or(0)));
        f.lblNote->setText(missing.isEmpty()
                ? QString()
                : QStringLiteral("Not listed in the market, valued at 0: %1").arg(missing.join(", ")));
    } catch (const std::exception& e) {
        // Said in the window: a message box each second would lock the player out.
        f.lblNote->setText(QStringLiteral("The balance cannot be worked out: %1").arg(QString::fromUtf8(e.what())));
    }
}

} // namespace Module1
