#include "Symbols.h"
#include "data/dao/Dao.h"
#include <QRegularExpression>

namespace Assets {

namespace {
constexpr int kMaxSymbolLength = 60;
}

QString SymbolFormProblem(const QString& symbol)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
    if (!plain.match(symbol).hasMatch())
        return QStringLiteral("The symbol \"%1\" cannot be used: a symbol starts with a letter and holds only the "
                              "letters A to Z, digits and \"_\", without blanks.")
            .arg(symbol);
    if (symbol.size() > kMaxSymbolLength)
        return QStringLiteral("The symbol \"%1\" cannot be used: a symbol has at most %2 characters.")
            .arg(symbol)
            .arg(kMaxSymbolLength);
    if (dao::isSqlKeyword(symbol))
        return QStringLiteral("The symbol \"%1\" cannot be used: it is a word of the database language.").arg(symbol);
    return {};
}

} // namespace Assets
