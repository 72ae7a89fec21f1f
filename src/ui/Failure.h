#pragma once
// What failed, said so that a player can act on it.
#include <QString>
#include <exception>

namespace Ui {

/// A failure told so that a player can act on it: what failed, why in a
/// player's words with the engine's own after them in brackets, and what to
/// do ("The trade could not be recorded: the disk that holds /home/ann/ticora
/// is full (database or disk is full). Free some space on it."); where the
/// cause is unknown, what failed and the engine's words.
QString Failure(const QString& what, const std::exception& e);

} // namespace Ui
