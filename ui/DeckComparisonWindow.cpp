#include "ui/DeckComparisonWindow.h"

#include "ui/MainWindow.h"

namespace korvane {

void OpenDeckComparison(MainWindow &) {}

} // namespace korvane
