#pragma once
// How the program's boxes and lists behave, the same in every window.
#include <QLabel>
#include <QString>

class QComboBox;
class QLineEdit;

/// A label whose text shrinks to fit its fixed size rather than being clipped,
/// whatever the locale's date form or the screen's font scale.
class FitLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override;
};

namespace Controls {

/// A box that shows a value: it takes no typing, yet keeps the focus and its
/// screen-reader name, and looks like a box that cannot be typed into.
void MakeDisplayBox(QLineEdit* box);

/// A list of symbols the player may also type into. A typed text selects no
/// entry and changes no letter case: only choosing an entry counts as a pick.
/// The text field inside takes the list's name for screen readers.
void MakeSymbolList(QComboBox* list, const QString& name);

} // namespace Controls
