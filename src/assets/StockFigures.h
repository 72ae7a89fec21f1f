#pragma once
// A stock's figures as typed in Add Asset and Edit stock: a price above 0,
// and a lowest and highest price of the day and a volume of 0 or more, an
// empty box meaning 0. Nothing else is stored: a letter or a negative price
// would make money or stop the stock for good.
#include <QString>
#include <optional>

namespace Assets {

enum class Figure { Price, Min, Max, Volume };

/// The figure a text gives, read in the player's number format; none where
/// it is no such figure.
std::optional<double> ReadFigure(Figure figure, const QString& text);

/// What to type instead, naming the box.
QString FigureRefusal(Figure figure);


} // namespace Assets
