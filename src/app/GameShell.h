#pragma once
// Opening the program's windows by form name, and the help.
#include <QString>

namespace GameShell {

/// Shows a window by its form name, modeless or modal; creates it if it is not loaded.
void ShowWindow(const char* formName, bool modal = false);
/// Opens the help at a topic (0: contents).
void ShowHelp(int context);

} // namespace GameShell
