#pragma once
// A new game: its name checked, its market checked, its file made whole in
// place of any old one, and the session handed the game. Rules that return
// what came of them, for the New game window to tell.
#include <QString>
#include <optional>

namespace NewGame {

/// Why a game cannot be made under a name: what to say, under which caption,
/// and whether the name is asked for again (a market that cannot be played
/// is no fault of the name).
struct Refusal {
    QString text;
    QString caption;
    bool askAgain = true;
};
/// None where a game can be made under the name in this market.
std::optional<Refusal> Check(const QString& name);

/// The file in the folder, in any letter case, that a game of this name
/// would replace; empty where there is none.
QString Existing(const QString& name);

/// Makes the game's file whole beside the existing one (empty for none), then
/// puts it in its place, and hands the game to the session; until the new
/// file is whole, the old one and the open game stay as they were. Why it
/// could not be made, or empty.
QString Create(const QString& name, const QString& existing);

} // namespace NewGame
