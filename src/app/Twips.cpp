#include "Twips.h"

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
