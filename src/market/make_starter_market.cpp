// Build step: writes the starter stocks.tqs unless the application folder already
// has one, since prices and histories carry over between runs.
#include "StarterMarket.h"
#include "dao/DaoError.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PATH/stocks.tqs\n", argv[0]);
        return 2;
    }
    const QString target = QFile::decodeName(argv[1]);
    if (QFileInfo::exists(target))
        return 0;
    QDir().mkpath(QFileInfo(target).absolutePath());
    // Built aside and renamed, so an interrupted build leaves no half-made market.
    const QString temp = target + QStringLiteral(".building");
    QFile::remove(temp);
    try {
        StarterMarket::Build(temp);
    } catch (const std::exception& e) {
        QFile::remove(temp);
        std::fprintf(stderr, "cannot build the starter market: %s\n", e.what());
        return 1;
    }
    if (!QFile::rename(temp, target)) {
        QFile::remove(temp);
        std::fprintf(stderr, "cannot move the starter market into place\n");
        return 1;
    }
    return 0;
}
