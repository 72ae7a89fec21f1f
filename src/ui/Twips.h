#pragma once
#include <QColor>
#include <QFont>
#include <QWidget>
#include <cmath>
#include <utility>

class QLineEdit;

namespace Twips {

constexpr int kPerPixel = 15;

inline int ToPixels(int twips) { return int(std::floor(double(twips) / kPerPixel + 0.5)); }
inline int FromPixels(int px) { return px * kPerPixel; }
/// Places a control by twips; the twips are kept as properties so that layout
/// arithmetic never loses precision to pixel rounding.
void Place(QWidget* w, int left, int top, int width, int height);
void SetLeft(QWidget* w, int left);
int Left(const QWidget* w);
int Width(const QWidget* w);
/// A control of kind W, named and placed by twips; args go before the parent.
template <class W, class... Args>
W* Create(QWidget* parent, const char* name, int left, int top, int width, int height, Args&&... args)
{
    W* w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(QString::fromLatin1(name));
    Place(w, left, top, width, height);
    return w;
}
/// Fills the widget's background with a light colour, and gives it and the
/// controls on it the text and box colours of a light desktop: a dark desktop
/// theme's near-white text would not read on silver.
void SetBackground(QWidget* w, QColor c);
/// A fixed-size window client area of the given twips, with a silver background.
void SetSilverClientArea(QWidget* window, int width, int height);

/// The font made smaller, half a point at a time down to smallest, until the
/// text fits the width: the fonts here are wider than the ones the layout was
/// drawn for.
QFont FontToFit(QFont font, const QString& text, int width, double smallest = 6);
/// Keeps a narrow box's text whole: its font shrinks while the text is wider
/// than the box.
void FitTextToWidth(QLineEdit* box);
/// A font as a window was designed with it (a family of the old platform, whose
/// metric-compatible stand-in the font configuration picks), in points.
QFont DesignFont(const QString& family, double points, bool serif = false);
/// &H00BBGGRR
inline QColor Colour(unsigned bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }
inline const QColor kSilver = Colour(0x00C0C0C0);

} // namespace Twips
