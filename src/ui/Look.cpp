#include "Look.h"
#include <QPalette>
#include <QWidget>

namespace Look {

void SetBackground(QWidget* w, QColor c)
{
    w->setAutoFillBackground(true);
    const QColor black(Qt::black), white(Qt::white);
    // windowText, button, light, dark, mid, text, brightText, base, window
    QPalette p(black, c, white, Colour(0x00808080), Colour(0x00A0A0A0), black, white, white, c);
    // Greyed text still reads on silver (4.6 : 1).
    const QColor greyed = Colour(0x004D4D4D);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, greyed);
    p.setColor(QPalette::Disabled, QPalette::Base, c);
    // The theme's selection colours come as a readable pair: kept.
    const QPalette theme = w->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
            p.setColor(group, role, theme.color(group, role));
    w->setPalette(p);
}

QFont Title(QFont font)
{
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 1.25);
    else
        font.setPixelSize(font.pixelSize() * 5 / 4);
    return font;
}

} // namespace Look
