#include "Form3.h"
#include "data/Holdings.h"
#include "data/dao/Dao.h"
#include "data/kit/App.h"
#include "data/kit/Controls.h"
#include "data/kit/Module1.h"
#include "data/kit/MsgBox.h"
#include "data/kit/Numbers.h"
#include <QHash>
#include <QLabel>
#include <QLineEdit>

namespace Module1 {

void RefreshBalance()
{
    Form3* loaded = Forms::IfLoadedElseLoad<Form3>();
    if (!loaded)
        return;
    Form3& f = *loaded;
    if (GameFileName.isEmpty())
        return;
    try {
        dao::Database game = dao::Database::open(App::GameFile());
        const dao::Currency cash = Holdings::Cash(game);
        Controls::SetText(f.cashbalance, Numbers::PlainText(cash));
        f.showplayername->setText(Numbers::PlainText(PlayerName));

        const std::vector<Holdings::Holding> held = Holdings::Read(game);
        std::optional<dao::Currency> stocks;
        QStringList missing;
        if (!held.empty()) {
            stocks = dao::Currency();
            QHash<QString, dao::Value> prices;
            bool pricesRead = false;
            for (const Holdings::Holding& h : held) {
                LastValue = h.units;
                const int64_t units = Holdings::Units(h);
                LastValue = dao::Null{};
                if (units == 0)
                    continue;
                if (!pricesRead) {
                    prices = Holdings::CurrentPrices(held);
                    pricesRead = true;
                }
                const auto it = prices.constFind(h.symbol);
                if (it == prices.constEnd() || it->isNull()) {
                    missing << h.symbol; // valued at 0, and said so
                    continue;
                }
                *stocks = *stocks + Holdings::Value(*it, units);
            }
        }
        Controls::SetText(f.Text3, stocks ? Numbers::PlainText(*stocks) : QString());
        Controls::SetText(f.Text4, Numbers::PlainText(cash + stocks.value_or(dao::Currency())));
        f.lblNote->setText(missing.isEmpty()
                ? QString()
                : QStringLiteral("Not listed in the market, valued at 0: %1").arg(missing.join(", ")));
    } catch (const std::exception& e) {
        // Said in the window: a message box each second would lock the player out.
        f.lblNote->setText(Ui::Failure(QStringLiteral("The balance cannot be worked out"), e));
    }
}

} // namespace Module1
