#pragma once
// How the program's boxes, lists and labels behave, and how they are laid
// out, the same in every window.
#include <QLabel>
#include <QString>
#include <initializer_list>

class QBoxLayout;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;

/// A label that keeps its font, however long its text: what does not fit ends
/// in "…", whole in its tooltip.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setText(const QString& text);
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
};

namespace Controls {

/// Draws a box's text and ground in the window's colours: a box that shows
/// something, not one to type into, in any desktop theme.
void DrawOnWindow(QWidget* box);

/// A label the player reads (a value, a text): Tab reaches it and its text can
/// be selected, so a screen reader reads it as it reads a box.
void MakeReadable(QLabel* label);

/// A box that shows a value: it takes no typing, yet keeps the focus and its
/// screen-reader name, and looks like a box that cannot be typed into. Its
/// text is aligned right where it is a number, so that a number too long for
/// it loses its end from view, never its start.
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

/// A label named and made the title of a control, which it names for screen readers.
QLabel* Title(QWidget* window, const char* name, const QString& text, QWidget* control);
/// A text box, named, under a title label in the grid's cell (row, column):
/// the label above the box.
QLineEdit* TitledBox(QGridLayout* grid, int row, int column, QLabel*& title, const char* titleName,
    const QString& caption, const char* name);
/// A push button, named.
QPushButton* Button(QWidget* window, const char* name, const QString& caption);
/// A line of buttons, as wide as their widest text each, in a row of their own.
QBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

/// Tab visits the widgets in this order.
void SetTabOrder(std::initializer_list<QWidget*> order);

} // namespace Controls
