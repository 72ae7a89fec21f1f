#include "StockList.h"
#include "MarketSchema.h"
#include "ui/App.h"
#include "ui/Numbers.h"
#include <QComboBox>
#include <QStringListModel>

namespace StockList {

void Fill(QComboBox* list, const QString& prompt)
{
    dao::Database db = dao::Database::open(App::MarketFile());
    dao::Recordset rs = db.openSnapshot(MarketSchema::kStocksTable, {MarketSchema::kSymbolField});
    QStringList symbols;
    symbols.reserve(rs.recordCount());
    for (int i = 0, n = rs.recordCount(); i < n; ++i, rs.moveNext())
        symbols << Numbers::PlainText(rs.field(MarketSchema::kSymbolField));
    // Plain texts, a model of its own for each list: a thousand entries of a
    // combo box's usual model take several times the room.
    list->setModel(new QStringListModel(symbols, list));
    // Adding the first entry would have chosen it.
    list->setCurrentIndex(-1);
    list->setEditText(prompt);
}

bool Walk(dao::Recordset& stocks, const QString& symbol, const std::function<bool()>& found)
{
    const dao::Value wanted(symbol);
    const QString& field = MarketSchema::kSymbolField;
    bool any = false;
    for (int i = 0, n = stocks.recordCount(); i < n; ++i, stocks.moveNext())
        if (stocks.field(field) == wanted) {
            any = true;
            if (!found())
                return true;
        }
    return any;
}

} // namespace StockList
