#pragma once
// Windows that show the open game follow it, all by one path: each fills
// itself from the session's announcements while it is open; another game
// opened fills it anew, and the end of the game closes it.
#include <functional>
#include <initializer_list>

class Game;
class QWidget;

/// What a window is told of: another game opened (New, Continue), a move of
/// the market (with what it did for the player stored), a change of the
/// game's trades (at the desk, a fill, a margin call), of its orders.
enum class Change { Game, Move, Trade, Orders };

/// From now on, while the window lives: each change it follows, and another
/// game opened, fill it from the open game; the game's end closes it.
void FollowGame(
    QWidget* window, std::initializer_list<Change> follows, std::function<void(const Game&, Change)> fill);
