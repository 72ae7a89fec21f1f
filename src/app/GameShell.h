#pragma once
// Opening the program's windows, the help, the market's moves and what the
// shell tells of them, and the wiring of what one part of the program
// announces to the parts that listen.
#include "ui/Forms.h"
#include "ui/MsgBox.h"
#include <QCoreApplication>
#include <QString>

namespace GameShell {

/// Shows a loaded window raised and active, modeless or modal.
void Raise(QWidget& w, bool modal);

/// Shows the window of type T, modeless or modal; creates it if it is not loaded.
template <class T> void ShowWindow(bool modal = false)
{
    // A window whose load fails (a damaged market, say) is not left half-made.
    if (!Ui::Attempt(QCoreApplication::translate("Shell", "The window cannot be opened"),
            [&] { Raise(Forms::Get<T>(), modal); }))
        Forms::Unload(Forms::IfLoaded<T>());
}

/// The open game's market has news or not: kept in its file, then followed
/// by the market; a file that cannot keep it is told, and nothing changes.
void SetNews(bool on);

/// Opens the help at a topic (0: contents).
void ShowHelp(int context);

/// Tells a message once whatever is running has returned, after every one
/// told before it: a box that is open keeps the next waiting, and no move
/// of the market waits for one.
void Tell(const QString& text, Ui::Icon icon = Ui::Icon::None);

/// The clock's minute: one on, and the evening's preparation of the next day.
void AdvanceClock();
/// The market's move: every stock moved, then what the market does for the
/// player at the new prices, then every window that shows it told.
void MoveMarket();

/// Connects every announcement to its listeners, once for the run.
void Wire();

} // namespace GameShell
