// What the window's small entry controls write: the arrows beside the number fields, and
// the print settings window's committed values.
#include "core/FieldArrows.h"
#include "core/PrintSettingsEntry.h"
#include "tests/CaseRowPrinting.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct ArrowCase {
    const char *name;
    InputField field;
    std::string text;
    int lastPosition;
    int direction;
    int written;
};

void PrintTo(const ArrowCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "text", row.text, "lastPosition", row.lastPosition, "direction",
             row.direction, "written", row.written);
}

const ArrowCase kArrowCases[] = {
    {"spanUp", InputField::span, "2500", 500, +1, 2510},
    {"spanDown", InputField::span, "2500", 500, -1, 2490},
    {"spanAtTheTopStays", InputField::span, "9900", 500, +1, 9900},
    {"spanAboveTheTopComesDown", InputField::span, "99999", 500, -1, 9890},
    {"spanBelowTheBottomStartsThere", InputField::span, "-50", 500, +1, 510},
    {"spanNotANumberGoesOnFromTheLastPosition", InputField::span, "2,500", 3000, +1, 3010},
    {"spanEmptyFromTheFirstPosition", InputField::span, "", 500, +1, 510},
    {"spanBeyond32BitsFromTheLastPosition", InputField::span, "99999999999", 1200, -1, 1190},
    {"slabOffTheStepKeepsItsRemainder", InputField::slabThickness, "3", 0, +1, 8},
    {"slabAtZeroStays", InputField::slabThickness, "0", 0, -1, 0},
    {"otherLoadUp", InputField::otherLoad, "0", 0, +1, 50},
    {"otherLoadAtTheTopStays", InputField::otherLoad, "9000", 0, +1, 9000},
};

class Arrows : public testing::TestWithParam<ArrowCase> {};

TEST_P(Arrows, StepFromTheFieldsNumberWithinItsBounds) {
    const ArrowCase &row = GetParam();
    EXPECT_EQ(ArrowStep(row.field, row.text, row.lastPosition, row.direction), row.written);
}

INSTANTIATE_TEST_SUITE_P(Table, Arrows, testing::ValuesIn(kArrowCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Arrows, StartAtTheFieldsLowerBound) {
    EXPECT_EQ(FirstArrowPosition(InputField::span), 500);
    EXPECT_EQ(FirstArrowPosition(InputField::otherLoad), 0);
}

struct PrintEntryCase {
    const char *name;
    std::string title;
    std::string pageText;
    int position;
    PrintSettings committed;
};

void PrintTo(const PrintEntryCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "title", row.title, "pageText", row.pageText, "position",
             row.position);
}

const PrintEntryCase kPrintEntries[] = {
    {"typedTitle", "○○ビル新築工事", "－２－", 21, {"○○ビル新築工事", "－２－", 21}},
    {"emptyTitleMeansNoTitleLine", "", "－１－", 0, {kTitlePlaceholder, "－１－", 0}},
    {"placeholderStays", kTitlePlaceholder, "p.1", 10, {kTitlePlaceholder, "p.1", 10}},
    {"blankTitleIsKept", "  ", "－１－", 12, {"  ", "－１－", 12}},
    {"unknownPositionIsNone", "A", "1", 5, {"A", "1", 0}},
    {"textsAsCodePage932HoldsThem", "A\u301C\U0001F600", "\u2460", 22, {"A～?", "①", 22}},
};

class PrintEntry : public testing::TestWithParam<PrintEntryCase> {};

TEST_P(PrintEntry, CommitsAsThePrintSettingsWindow) {
    const PrintEntryCase &row = GetParam();
    const PrintSettings settings = EnteredPrintSettings(row.title, row.pageText, row.position);
    EXPECT_EQ(settings.projectTitle, row.committed.projectTitle);
    EXPECT_EQ(settings.pageText, row.committed.pageText);
    EXPECT_EQ(settings.pageNumberPos, row.committed.pageNumberPos);
}

INSTANTIATE_TEST_SUITE_P(Table, PrintEntry, testing::ValuesIn(kPrintEntries),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace korvane
