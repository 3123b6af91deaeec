#pragma once
// The calculate command of the main window: the pre-check of the inputs, the calculation,
// the sheet on the result window and the result window shown in place of the main window.

#include "core/DesignCase.h"

namespace korvane {
class MainWindow;
class ResultWindow;

// "計　算": reads the window, checks it, calculates, draws the sheet into the result
// window and shows that window modally with the main window hidden until it closes.
void RunCalculation(MainWindow &form, ResultWindow &resultWindow);

} // namespace korvane
