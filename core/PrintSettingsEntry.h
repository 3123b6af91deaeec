#pragma once
// The print settings as the print settings window commits them: an empty title or the
// placeholder stands for "no title line" (the placeholder); the title and the page text are
// kept as the data file and the printer hold them (code page 932); a position code the
// window does not offer means no page number.

#include "core/PrintSettings.h"

#include <string_view>

namespace korvane {

PrintSettings EnteredPrintSettings(std::string_view title, std::string_view pageText,
                                   std::int32_t pageNumberPos);

} // namespace korvane
