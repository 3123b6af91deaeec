#pragma once
// The print values: project title, page text and page-number position. One instance serves
// the whole desktop program; the print settings window edits it and the sheet reads it.

#include <cstdint>
#include <string>

namespace korvane {

struct PrintSettings {
    std::string projectTitle = "件名を入力";
    std::string pageText = "－１－";
    std::int32_t pageNumberPos = 0; // 0 none, 10-12 top left/centre/right, 20-22 bottom
};

PrintSettings &SharedPrintSettings();

// The position code as the print settings window would choose it: unknown codes are 0.
std::int32_t KnownPageNumberPos(std::int32_t code);

} // namespace korvane
