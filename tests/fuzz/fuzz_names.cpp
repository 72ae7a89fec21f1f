// A game name that the check lets through names a file inside the application
// folder, and a symbol it lets through is a plain name the database can take.
#include "assets/Symbols.h"
#include "data/GameName.h"
#include "dao/Dao.h"
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    if (GameName::UnusableReason(text).isEmpty()) {
        const QString folder = QStringLiteral("/app/folder");
        const QString file = QDir::cleanPath(folder + QLatin1Char('/') + text + QStringLiteral(".sav"));
        if (QFileInfo(file).path() != folder)
            std::abort();
    }

    if (Assets::SymbolFormProblem(text).isEmpty()) {
        static const QRegularExpression plain(QStringLiteral("^[A-Za-z][A-Za-z0-9_]{0,59}$"));
        if (!plain.match(text).hasMatch() || !dao::isPlainIdentifier(text))
            std::abort();
    }
    return 0;
}
