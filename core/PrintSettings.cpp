#include "core/PrintSettings.h"

#include <algorithm>
#include <string_view>

namespace korvane {

namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";
constexpr std::string_view kAsciiBlanks = " \t\n\v\f\r";

// Strips ASCII white space and ideographic spaces from both ends.
std::string_view WithoutSurroundingBlanks(std::string_view text) {
    for (bool trimmed = true; trimmed && !text.empty();) {
        trimmed = false;
        if (kAsciiBlanks.find(text.front()) != std::string_view::npos) {
            text.remove_prefix(1);
            trimmed = true;
        } else if (text.starts_with(kIdeographicSpace)) {
            text.remove_prefix(kIdeographicSpace.size());
            trimmed = true;
        }
        if (text.empty())
            break;
        if (kAsciiBlanks.find(text.back()) != std::string_view::npos) {
            text.remove_suffix(1);
            trimmed = true;
        } else if (text.ends_with(kIdeographicSpace)) {
            text.remove_suffix(kIdeographicSpace.size());
            trimmed = true;
        }
    }
    return text;
}

} // namespace

std::int32_t KnownPageNumberPos(std::int32_t code) {
    const auto &known = page_number::kPositions;
    return std::find(known.begin(), known.end(), code) != known.end() ? code : page_number::kNone;
}

PageNumberPlace PageNumberPlaceOf(std::int32_t code) {
    if (code >= 1 && code < page_number::kBottomLeft)
        return PageNumberPlace::head;
    if (code >= page_number::kBottomLeft)
        return PageNumberPlace::foot;
    return PageNumberPlace::none;
}

bool PrintsTitleLine(const std::string &projectTitle) {
    return projectTitle != kTitlePlaceholder;
}

std::string ShownProjectTitle(const std::string &projectTitle) {
    if (!PrintsTitleLine(projectTitle))
        return {};
    return std::string(WithoutSurroundingBlanks(projectTitle));
}

bool HasProjectTitle(const std::string &projectTitle) {
    return !ShownProjectTitle(projectTitle).empty();
}

} // namespace korvane
