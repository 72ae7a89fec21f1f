#pragma once
// How the program's controls present themselves to assistive technology where
// Qt's own presentation falls short of what a screen reader needs.
#include <QAccessible>

class QWidget;

namespace Accessibility {

/// Installs the program's accessible interfaces, once:
/// - every text box reports its text as one run of attributes: Qt 6.4 reports
///   empty runs, from which Orca 43 builds the text it speaks one character
///   short ("10" for 100);
/// - a text box taking the focus tells only that it has it, not where its
///   caret and selection are before that: told first, they make Orca take the
///   box as known and say nothing of it;
/// - a widget given a role with SetRole is presented in that role.
void Install();

/// While it lives, nothing the widget does is told to assistive technology: a
/// value a refresh rewrites is not news ("text unselected", "selection deleted")
/// spoken with no key pressed.
class Silence {
public:
    explicit Silence(QObject* o);
    ~Silence();
    Silence(const Silence&) = delete;
    Silence& operator=(const Silence&) = delete;

private:
    QObject* previous_;
};

/// Says a text once to a screen reader, wherever the focus is, without moving
/// it: a notification beside the widget appears with the text.
void Announce(QWidget* beside, const QString& text);

/// Presents a plain widget in a role of its own: a window that asks something
/// as a dialog, the status bar as a status bar.
void SetRole(QWidget* w, QAccessible::Role role);

} // namespace Accessibility
