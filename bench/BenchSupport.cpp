#include "BenchSupport.h"
#include "app/App.h"
#include "app/MsgBox.h"
#include "data/Dao.h"
#include "data/MarketSchema.h"
#include <QApplication>
#include <cstdlib>

BenchMarket::BenchMarket(int n, int dayRows)
{
    App::SetFolder(dir_.path());
    dao::Database db = dao::Database::create(market());
    dao::Transaction tx = db.beginTransaction();
    MarketSchema::CreateStocksTable(db);
    dao::Recordset rs = db.openTable(MarketSchema::kStocksTable);
    for (int i = 1; i <= n; ++i) {
        const QString s = QStringLiteral("S%1").arg(i, 4, 10, QLatin1Char('0'));
        const double p = 100 + i % 900;
        std::vector<dao::Currency> h(201, dao::Currency::fromDouble(p));
        MarketSchema::CreateStockObjects(db, s, h);
        dao::Recordset day = db.openTable(s + QStringLiteral("DAY"));
        for (int k = 0; k < dayRows; ++k) {
            day.addNew();
            day.setField(QStringLiteral("Price"), p);
            day.update();
        }
        rs.addNew();
        rs.setField(QStringLiteral("stocksymbol"), s);
        rs.setField(QStringLiteral("stockname"), QStringLiteral("Stock ") + s);
        rs.setField(QStringLiteral("Stockcurrent Price"), p);
        rs.setField(QStringLiteral("Min"), p);
        rs.setField(QStringLiteral("Max"), p);
        rs.setField(QStringLiteral("Volume"), 1000.0 * i);
        rs.update();
    }
    rs.close();
    tx.commit();
    db.close();
    dao::releaseAll();
}

void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        new QApplication(argc, argv);
        Ui::SetMsgBoxHandler([](const Ui::MsgBoxRequest&) { return Ui::Answer::OK; });
    }
}
