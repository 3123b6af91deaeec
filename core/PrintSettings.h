#pragma once
// The print values: project title, page text and page-number position. The print settings
// window holds the desktop program's; the sheet is given them.

#include "core/DesignCase.h"

#include <array>
#include <cstdint>
#include <string>

namespace korvane {

// Page-number position codes: none, top left/centre/right, bottom left/centre/right.
namespace page_number {
inline constexpr std::int32_t kNone = 0;
inline constexpr std::int32_t kTopLeft = 10;
inline constexpr std::int32_t kTopCentre = 11;
inline constexpr std::int32_t kTopRight = 12;
inline constexpr std::int32_t kBottomLeft = 20;
inline constexpr std::int32_t kBottomCentre = 21;
inline constexpr std::int32_t kBottomRight = 22;
// In the order of the print settings window's options.
inline constexpr std::array<std::int32_t, 7> kPositions = {
    kNone, kTopLeft, kTopCentre, kTopRight, kBottomLeft, kBottomCentre, kBottomRight};
} // namespace page_number

struct PrintSettings {
    std::string projectTitle = kTitlePlaceholder;
    std::string pageText = kDefaultPageText;
    std::int32_t pageNumberPos = page_number::kNone;
};

// The position code as the print settings window would choose it: unknown codes are none.
std::int32_t KnownPageNumberPos(std::int32_t code);

// Where the sheet prints the page text for a position code. A data file may hold any code:
// 1-19 print at the head, 20 and above at the foot, anything else nowhere.
enum class PageNumberPlace { none, head, foot };
PageNumberPlace PageNumberPlaceOf(std::int32_t code);

// Whether the sheet prints its title line ("物件名：" and the title): for every title but the
// placeholder, an empty one included.
bool PrintsTitleLine(const std::string &projectTitle);

// The title the case is filed under (a PDF's document title): what the sheet's title line
// shows after "物件名：", without the blanks round it; empty when that line is not printed or
// shows only blanks.
std::string ShownProjectTitle(const std::string &projectTitle);
// Whether the case has a project title to be filed under: the shown title is not empty.
bool HasProjectTitle(const std::string &projectTitle);

} // namespace korvane
