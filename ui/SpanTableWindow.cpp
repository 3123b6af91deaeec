#include "ui/SpanTableWindow.h"

#include "ui/MainWindow.h"

namespace korvane {

void OpenSpanTable(MainWindow &) {}

} // namespace korvane
