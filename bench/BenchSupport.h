#pragma once
#include <QString>
#include <QTemporaryDir>

/// An application folder with a market of n stocks shaped like the real one:
/// 201 history rows and dayRows intraday rows each.
class BenchMarket {
public:
    BenchMarket(int n, int dayRows = 20);
    QString folder() const { return dir_.path(); }
    QString market() const { return dir_.filePath(QStringLiteral("stocks.tqs")); }

private:
    QTemporaryDir dir_;
};

/// A QApplication for benchmarks that need windows (offscreen).
void EnsureApplication();
