#pragma once
#include <QString>

namespace GameName {

/// Why a player's name cannot name a game file ("<name>.sav") in the
/// application folder, or empty when it can.
QString UnusableReason(const QString& name);

} // namespace GameName
