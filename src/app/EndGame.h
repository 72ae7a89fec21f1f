#pragma once
// How a game ends: for good, its result entered in the hall of fame and its
// file deleted, or kept for later. A game that made a trade never ends by accident.

namespace EndGame {

/// File > Close: a game that made a trade ends only when the player says so;
/// one that entered the hall of fame's best is shown there.
void Close();
/// Exit and the main window's close: ends the game for good, keeps it for
/// later or stays, as the player says; true when the program may end.
bool Exit();

} // namespace EndGame
