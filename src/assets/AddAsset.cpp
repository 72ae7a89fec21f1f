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

namespace {
QString caption() { return QCoreApplication::translate("Assets", "Add Asset"); }
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
    double figures[4] = {};
    for (int i = 0; i < 4; ++i) {
        const auto& [figure, box] = boxes[i];
        const std::optional<double> v = Assets::ReadFigure(figure, box->text());
        if (!v) {
            Ui::MsgBox(Assets::FigureRefusal(figure), Ui::Buttons::OK, Ui::Icon::Exclamation, caption());
            box->setFocus();
            box->selectAll();
            return false;
        }
        figures[i] = *v;
    }
    const auto [price, low, high, volume] = figures;
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
        // The row and its four objects together or not at all: never a stock without its tables.
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
