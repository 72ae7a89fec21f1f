#include "StockFigures.h"
#include "ui/Numbers.h"
#include <QCoreApplication>

namespace Assets {

std::optional<double> ReadFigure(Figure figure, const QString& text)
{
    if (figure != Figure::Price && text.trimmed().isEmpty())
        return 0.0;
    const std::optional<double> v = Numbers::ReadWhole(text);
    if (!v || *v < 0 || (figure == Figure::Price && *v == 0))
        return std::nullopt;
    return v;
}

QString FigureRefusal(Figure figure)
{
    const QString example = Numbers::PlainText(12.5);
    switch (figure) {
    case Figure::Price:
        return QCoreApplication::translate("Assets", "Type the current price as a number above 0, for example %1.")
            .arg(example);
    case Figure::Min:
        return QCoreApplication::translate(
            "Assets", "Type the day's lowest price as a number of 0 or more, for example %1, or leave it empty.")
            .arg(example);
    case Figure::Max:
        return QCoreApplication::translate(
            "Assets", "Type the day's highest price as a number of 0 or more, for example %1, or leave it empty.")
            .arg(example);
    case Figure::Volume:
        break;
    }
    return QCoreApplication::translate(
        "Assets", "Type the volume as a number of 0 or more, for example 1000, or leave it empty.");
}

} // namespace Assets
