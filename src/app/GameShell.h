#pragma once
// Opening the program's windows by form name, and the help.
#include <QString>

class QComboBox;

namespace GameShell {

/// Shows a window by its form name, modeless or modal; creates it if it is not loaded.
void ShowWindow(const char* formName, bool modal = false);
/// Opens the help at a topic (0: contents).
void ShowHelp(int context);
/// Fills a list with every listed symbol in table order and leaves none chosen,
/// the box showing prompt.
void ListStockSymbols(QComboBox* list, const QString& prompt);
/// The market database's path: stocks.tqs in the application folder.
QString MarketDatabasePath();
/// The open game's file, in the application folder.
QString GameFilePath();

} // namespace GameShell
