#pragma once
// How the program's boxes and lists behave, the same in every window.
#include <QLabel>
#include <QString>
#include <initializer_list>

class QComboBox;
class QLineEdit;
class QPushButton;

/// A label whose text shrinks to fit its fixed size rather than being clipped,
/// whatever the locale's date form or the screen's font scale; a text too
/// long even then ends in an ellipsis.
class FitLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    /// Whether a text too long is drawn smaller first; else it keeps the
    /// label's font and ends in an ellipsis.
    void SetShrinks(bool on) { shrinks_ = on; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool shrinks_ = true;
};

namespace Controls {

/// Draws a box's text and ground in the window's colours: a box that shows
/// something, not one to type into, in any desktop theme.
void DrawOnWindow(QWidget* box);

/// A label the player reads (a value, a text): Tab reaches it and its text can
/// be selected, so a screen reader reads it as it reads a box.
void MakeReadable(QLabel* label);

/// A box that shows a value: it takes no typing, yet keeps the focus and its
/// screen-reader name, and looks like a box that cannot be typed into.
void MakeDisplayBox(QLineEdit* box);

/// Writes a box only when its text changes: a box written again with the same
/// text is read out again by a screen reader, every second where a timer writes it.
/// A change is written without a word to a screen reader, whose player asks for
/// the value with the keys; a box whose whole text was selected stays so.
void SetText(QLineEdit* box, const QString& text);

/// A list of symbols the player may also type into. A typed text selects no
/// entry and changes no letter case: only choosing an entry counts as a pick.
/// Return in its text presses the window's Enter.
/// The text field inside takes the list's name for screen readers.
void MakeSymbolList(QComboBox* list, const QString& name);

/// A text box under its title label, which names it for screen readers.
struct TitledBox {
    QLabel** label;
    const char* labelName;
    QString caption;
    int ll, lt, lw, lh; ///< the label's twips
    QLineEdit** box;
    const char* boxName;
    int bl, bt, bw, bh; ///< the box's twips
};
void PlaceTitledBoxes(QWidget* form, std::initializer_list<TitledBox> boxes);

/// A push button placed by twips.
QPushButton* Button(QWidget* form, const char* name, const QString& caption, int l, int t, int w, int h);

/// Tab visits the widgets in this order.
void SetTabOrder(std::initializer_list<QWidget*> order);

} // namespace Controls
