#pragma once
// What every report's refresh does first: read what it shows from the game's file.
#include "dao/Dao.h"
#include "game/Game.h"
#include "ui/ReportWindow.h"
#include <functional>

namespace GameReport {

/// Reads from the game's file, closed again on return. A failure is said in
/// the window's note, and the window keeps what it showed; a success clears
/// the note. True when read.
bool Read(
    ReportWindow& window, const Game& game, const QString& failure, const std::function<void(dao::Database&)>& read);

} // namespace GameReport
