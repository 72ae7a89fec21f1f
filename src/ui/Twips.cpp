#include "Twips.h"
#include <QLineEdit>

namespace Twips {

void Place(QWidget* w, int left, int top, int width, int height)
{
    w->setProperty("twipsLeft", left);
    w->setProperty("twipsTop", top);
    w->setProperty("twipsWidth", width);
    w->setProperty("twipsHeight", height);
    w->setGeometry(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

void SetLeft(QWidget* w, int left)
{
    Place(w, left, w->property("twipsTop").toInt(), Width(w), w->property("twipsHeight").toInt());
}

int Left(const QWidget* w)
{
    const QVariant v = w->property("twipsLeft");
    return v.isValid() ? v.toInt() : FromPixels(w->x());
}

int Width(const QWidget* w)
{
    const QVariant v = w->property("twipsWidth");
    return v.isValid() ? v.toInt() : FromPixels(w->width());
}

} // namespace Twips

namespace Twips {

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

void SetSilverClientArea(QWidget* window, int width, int height)
{
    window->setFixedSize(ToPixels(width), ToPixels(height));
    SetBackground(window, kSilver);
}

QFont FontToFit(QFont font, const QString& text, int width, double smallest)
{
    while (font.pointSizeF() > smallest && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

void FitTextToWidth(QLineEdit* box)
{
    const QFont base = box->font();
    QObject::connect(box, &QLineEdit::textChanged, box, [box, base](const QString& text) {
        box->setFont(FontToFit(base, text, box->width() - 8)); // less the frame and the box's margins
    });
}

QFont DesignFont(const QString& family, double points, bool serif)
{
    QFont f(family);
    f.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    f.setPointSizeF(points);
    return f;
}

} // namespace Twips
