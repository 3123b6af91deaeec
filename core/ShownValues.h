#pragma once
// Where the main window cannot show a data file's value as it is. Opening a file puts its
// case into the window's inputs; a value no choice or field can hold is shown otherwise (a
// work load of five digits cut to the field's four, a shoring code no button has, ...) and
// the calculation uses what the window shows. Each such value is told with the open
// command's warnings, so that no case is calculated with a value the user never saw change.

#include "core/DesignCase.h"

#include <string>
#include <vector>

namespace korvane {

// One warning per field whose value in `file` (the case as the file gives it) differs from
// `shown` (the window's reading after opening it), naming both values. A value the open
// command changes with a notice of its own (the discontinued coating of PX100), and a work
// load the pre-check refuses anyway (one to three digits, negative), is not repeated here.
std::vector<std::string> ValuesShownOtherwise(const DesignCase &file, const DesignCase &shown);

} // namespace korvane
