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

void FitTextToWidth(QLineEdit* box)
{
    const QFont base = box->font();
    QObject::connect(box, &QLineEdit::textChanged, box, [box, base](const QString& text) {
        QFont f = base;
        const int room = box->width() - 8; // frame and the box's own margins
        while (f.pointSizeF() > 6 && QFontMetrics(f).horizontalAdvance(text) > room)
            f.setPointSizeF(f.pointSizeF() - 0.5);
        box->setFont(f);
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
