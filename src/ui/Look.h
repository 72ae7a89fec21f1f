#pragma once
// The windows' look: silver, their text dark on it in any desktop theme, and
// every text in the application's font or larger.
#include <QColor>
#include <QFont>

class QWidget;

namespace Look {

/// &H00BBGGRR
inline QColor Colour(unsigned bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }
inline const QColor kSilver = Colour(0x00C0C0C0);

/// Fills the widget's background with a light colour, and gives it and the
/// controls on it the text and box colours of a light desktop: a dark desktop
/// theme's near-white text would not read on silver.
void SetBackground(QWidget* w, QColor c);
inline void Silver(QWidget* w) { SetBackground(w, kSilver); }

/// A title: the font given, bold and a quarter larger.
QFont Title(QFont font);

} // namespace Look
