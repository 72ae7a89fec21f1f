#pragma once
// Windows that show the open game follow it, all by one path: another game
// opened fills them anew from it, and the end of the game closes them.
#include <functional>

class Game;
class QWidget;

/// From now on, while the window lives: a game opened (New, Continue) fills it
/// from that game, and the game's end closes it.
void FollowGame(QWidget* window, std::function<void(const Game&)> fill);
