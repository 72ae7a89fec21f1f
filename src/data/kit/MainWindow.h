#pragma once
// What the layers below the shell show in the main window, without including
// it: whether a game is open, and the clock. The main window owns both; it
// says how to show them as it is made.
#include <QDateTime>
#include <functional>
#include <optional>

namespace MainWindow {

/// Shows the game open (its menus and toolbar buttons, the clock timer
/// running) or closed (those hidden, the clock and the market stopped).
void ShowGame(bool open);

/// Shows the clock at a time: its labels, the time the exchange's rules read,
/// and the market timer running within the exchange hours only. No time
/// empties the labels and leaves the rules no time to read.
void ShowClock(const std::optional<QDateTime>& t);

/// How the main window shows them; set as it is made, emptied as it goes.
struct View {
    std::function<void(bool)> showGame;
    std::function<void(const std::optional<QDateTime>&)> showClock;
};
void SetView(View v);

} // namespace MainWindow
