// The print values as the sheet and the filed PDF read them: where a page-number code puts the
// page text, and when a case has a project title.
#include "core/PrintSettings.h"
#include "tests/CaseRowPrinting.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct TitleCase {
    const char *name;
    std::string title;
    bool titleLine;    // the sheet prints "物件名：" and the title
    std::string shown; // the title the case is filed under
};

void PrintTo(const TitleCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "title", row.title, "titleLine", row.titleLine, "shown",
             row.shown);
}

// A blank title still prints "物件名：" alone on the sheet, which shows no title: the case
// is then filed under none, as with the placeholder.
const TitleCase kTitles[] = {
    {"placeholder", kTitlePlaceholder, false, ""},
    {"empty", "", true, ""},
    {"asciiBlanks", "   ", true, ""},
    {"ideographicBlanks", "\u3000\u3000", true, ""},
    {"typed", "○○ビル新築工事", true, "○○ビル新築工事"},
    {"blanksRound", " \u3000○○ビル 2期\u3000 ", true, "○○ビル 2期"},
    {"placeholderWithBlank", std::string(kTitlePlaceholder) + " ", true,
     std::string(kTitlePlaceholder)},
};

class ProjectTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(ProjectTitle, FollowsWhatTheSheetShows) {
    const TitleCase &c = GetParam();
    EXPECT_EQ(PrintsTitleLine(c.title), c.titleLine);
    EXPECT_EQ(ShownProjectTitle(c.title), c.shown);
    EXPECT_EQ(HasProjectTitle(c.title), !c.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Titles, ProjectTitle, ::testing::ValuesIn(kTitles),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PageNumberPosition, CodesPlaceThePageTextAtHeadOrFoot) {
    using page_number::kPositions;
    EXPECT_EQ(kPositions.front(), page_number::kNone);
    for (const std::int32_t code : kPositions) {
        EXPECT_EQ(KnownPageNumberPos(code), code);
        const PageNumberPlace expected = code == page_number::kNone        ? PageNumberPlace::none
                                         : code < page_number::kBottomLeft ? PageNumberPlace::head
                                                                           : PageNumberPlace::foot;
        EXPECT_EQ(PageNumberPlaceOf(code), expected) << code;
    }
    // A file may hold any code: the window shows the unknown ones as none, while the sheet
    // places them by their range as it always has.
    const std::pair<std::int32_t, PageNumberPlace> unknown[] = {
        {-1, PageNumberPlace::none}, {1, PageNumberPlace::head},  {13, PageNumberPlace::head},
        {19, PageNumberPlace::head}, {23, PageNumberPlace::foot}, {99, PageNumberPlace::foot}};
    for (const auto &[code, place] : unknown) {
        EXPECT_EQ(KnownPageNumberPos(code), page_number::kNone) << code;
        EXPECT_EQ(PageNumberPlaceOf(code), place) << code;
    }
}

} // namespace
} // namespace korvane
