#include "Form6.h"
#include "StockFigures.h"
#include "Symbols.h"
#include "dao/Dao.h"
#include "data/MarketSchema.h"
#include "data/StockList.h"
#include "game/Module1.h"
#include "ui/App.h"
#include "ui/MsgBox.h"
#include "ui/Numbers.h"
#include <QCoreApplication>
#include <QLineEdit>
#include <array>

namespace {
QString caption() { return QCoreApplication::translate("Assets", "Add Asset"); }

/// Lists the stock: its row and its four objects together or not at all,
/// never a stock without its tables. Its history starts with 200 zero prices.
void list(dao::Database& db, const QString& name, const QString& symbol, const std::array<double, 4>& figures)
{
    const auto [price, low, high, volume] = figures;
    dao::Transaction tx = db.beginTransaction();
    dao::Recordset rs = db.openTable(MarketSchema::kStocksTable);
    rs.addNew();
    using namespace MarketSchema;
    rs.setField(kNameField, name);
    rs.setField(kSymbolField, symbol);
    rs.setField(kPriceField, price);
    rs.setField(kMinField, low);
    rs.setField(kMaxField, high);
    rs.setField(kVolumeField, volume);
    rs.update();
    rs.close();
    std::vector<dao::Currency> history(200, dao::Currency());
    history.push_back(dao::Currency::fromDouble(price));
    MarketSchema::CreateStockObjects(db, symbol, history);
    tx.commit();
}
} // namespace

namespace Module1 {

bool AddAsset()
{
    Form6& f = Forms::Get<Form6>();
    const QString name = f.Text1->text();
    const QString symbol = f.Text2->text();
    if (symbol.isEmpty() || name.isEmpty() || f.Text3->text().isEmpty()) {
        Ui::MsgBox(QCoreApplication::translate("Assets", "Fill the necessary information"));
        return false;
    }
    using Assets::Figure;
    const std::pair<Figure, QLineEdit*> boxes[] = {
        {Figure::Price, f.Text3}, {Figure::Min, f.Text4}, {Figure::Max, f.Text5}, {Figure::Volume, f.Text6}};
    std::array<double, 4> figures = {};
    for (int i = 0; i < 4; ++i) {
        if (Assets::Refuses(boxes[i].first, boxes[i].second, caption()))
            return false;
        figures[size_t(i)] = *Assets::ReadFigure(boxes[i].first, boxes[i].second->text());
    }
    auto refuse = [](const QString& why) {
        Ui::MsgBox(why, Ui::Buttons::OK, Ui::Icon::Exclamation, caption());
        return true;
    };
    if (QString why = Assets::SymbolFormProblem(symbol); !why.isEmpty())
        return refuse(why);
    try {
        dao::Database db = dao::Database::open(App::MarketFile());
        dao::Recordset listed = db.openSnapshot(MarketSchema::kStocksTable);
        if (StockList::Walk(listed, symbol, [] { return false; })) {
            Ui::MsgBox(QCoreApplication::translate("Assets", "This stock already exist in your game!"));
            return true;
        }
        listed.close();
        if (QString why = Assets::SymbolProblem(db, symbol); !why.isEmpty())
            return refuse(why);
        list(db, name, symbol, figures);
    } catch (const std::exception& e) {
        Ui::MsgBox(Ui::Failure(
                       QCoreApplication::translate("Assets", "The stock %1 could not be added; the market is as it was")
                           .arg(symbol),
                       e),
            Ui::Buttons::OK, Ui::Icon::Critical, caption());
    }
    return true;
}

} // namespace Module1
