#pragma once
#include <QString>

namespace Assets {

/// Why a text cannot be a new stock's symbol by its form alone, or empty when
/// it can: a letter, then letters A to Z, digits and "_", at most 60
/// characters, and no word of the database language that cannot stand as a
/// bare table name in the stock's queries.
QString SymbolFormProblem(const QString& symbol);

} // namespace Assets
