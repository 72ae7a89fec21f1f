#pragma once
// The listed stocks as the windows look them up: by exact symbol, in table order.
#include "dao/Dao.h"
#include <functional>

class QComboBox;

namespace StockList {

/// Fills a list with every listed symbol in table order and leaves none
/// chosen, the box showing prompt.
void Fill(QComboBox* list, const QString& prompt);

/// Walks "Stocks Information" from the recordset's first row, comparing each
/// row's "stocksymbol" with symbol exactly, letter case included. At each equal
/// row, found says whether to walk on; when it stops, the recordset stays on
/// that row. True when some row matched.
bool Walk(dao::Recordset& stocks, const QString& symbol, const std::function<bool()>& found);

} // namespace StockList
