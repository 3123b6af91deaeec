#pragma once
// The deck comparison window (デッキ比較).

class MainWindow;

namespace korvane {

// Opens the deck comparison for the main window's case.
void OpenDeckComparison(MainWindow &mainWindow);

} // namespace korvane
