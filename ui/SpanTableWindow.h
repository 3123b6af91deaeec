#pragma once
// The maximum-span table window (最大スパン表).

class MainWindow;

namespace korvane {

// Opens the maximum-span table for the main window's conditions.
void OpenSpanTable(MainWindow &mainWindow);

} // namespace korvane
