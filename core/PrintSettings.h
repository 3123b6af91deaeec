#pragma once
// The print values: project title, page text and page-number position. The print settings
// window holds the desktop program's; the sheet is given them.

#include "core/DesignCase.h"

#include <cstdint>
#include <string>

namespace korvane {

struct PrintSettings {
    std::string projectTitle = kTitlePlaceholder;
    std::string pageText = kDefaultPageText;
    std::int32_t pageNumberPos = 0; // 0 none, 10-12 top left/centre/right, 20-22 bottom
};

// The position code as the print settings window would choose it: unknown codes are 0.
std::int32_t KnownPageNumberPos(std::int32_t code);

} // namespace korvane
