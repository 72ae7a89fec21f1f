#pragma once
#include <QString>

namespace dao {
class Database;
}

namespace Assets {

/// Why a text cannot be a new stock's symbol by its form alone, or empty when
/// it can: a letter, then letters A to Z, digits and "_", at most 60
/// characters, and no word of the database language that cannot stand as a
/// bare table name in the stock's queries.
QString SymbolFormProblem(const QString& symbol);

/// Why a symbol cannot name a new stock in this market, or empty when it can:
/// it must be a plain name (a letter, then letters A to Z, digits and "_"), no
/// word of the database language, and neither it nor its tables' and queries'
/// names may equal, in any letter case, a name the market already holds. The
/// exact twin of a listed symbol is left to the listing's own check.
QString SymbolProblem(dao::Database& market, const QString& symbol);

} // namespace Assets
