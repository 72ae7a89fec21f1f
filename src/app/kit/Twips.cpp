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
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
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
