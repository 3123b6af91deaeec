#include "core/DesignCase.h"
#include "core/Errors.h"
#include "core/PreCheck.h"
#include "tests/CaseRowPrinting.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct PreCheckCase {
    const char *name;
    void (*change)(DesignCase &);
    int check; // 0: passes
    InputField field;
    const char *corrected;
};

void PrintTo(const PreCheckCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "check", row.check, "field", row.field, "corrected",
             row.corrected);
}

void Px75(DesignCase &r) {
    r.deckFamily = 0, r.deckModel = 0, r.thicknessCode = 0;
}
void Px75Valpha(DesignCase &r) {
    r.deckFamily = 0, r.deckModel = 2, r.thicknessCode = 0;
}
void Px100L(DesignCase &r) {
    r.deckModel = 2;
}
void OtherCoating(DesignCase &r, int weight) {
    r.coatingCode = 4, r.unitWeight = weight;
}

class PreCheckTable : public ::testing::TestWithParam<PreCheckCase> {};

TEST_P(PreCheckTable, RefusesOutsideTheCalculableRanges) {
    const PreCheckCase &c = GetParam();
    DesignCase record;
    c.change(record);
    const auto failure = PreCheck(record, WorkLoadEntry{});
    if (c.check == 0) {
        EXPECT_FALSE(failure) << failure->message;
        return;
    }
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->check, c.check);
    EXPECT_EQ(failure->field, c.field);
    if (c.corrected)
        EXPECT_EQ(failure->corrected, c.corrected);
    else
        EXPECT_FALSE(failure->corrected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, PreCheckTable,
    ::testing::Values(
        PreCheckCase{"defaultCase", [](DesignCase &) {}, 0, InputField::span, nullptr},
        PreCheckCase{"span1000", [](DesignCase &r) { r.spanLength = 1000; }, 0, InputField::span,
                     nullptr},
        PreCheckCase{"span999", [](DesignCase &r) { r.spanLength = 999; }, 3, InputField::span,
                     "1000"},
        PreCheckCase{"px75Span4900", [](DesignCase &r) { Px75(r), r.spanLength = 4900; }, 0,
                     InputField::span, nullptr},
        PreCheckCase{"px75Span4901", [](DesignCase &r) { Px75(r), r.spanLength = 4901; }, 4,
                     InputField::span, "4900"},
        PreCheckCase{"px100lSpan4900", [](DesignCase &r) { Px100L(r), r.spanLength = 4900; }, 0,
                     InputField::span, nullptr},
        PreCheckCase{"px100lSpan4901", [](DesignCase &r) { Px100L(r), r.spanLength = 4901; }, 4,
                     InputField::span, "4900"},
        PreCheckCase{"valphaSpan4901", [](DesignCase &r) { Px75Valpha(r), r.spanLength = 4901; }, 0,
                     InputField::span, nullptr},
        PreCheckCase{"valphaSpan5700", [](DesignCase &r) { Px75Valpha(r), r.spanLength = 5700; }, 0,
                     InputField::span, nullptr},
        PreCheckCase{"valphaSpan5701", [](DesignCase &r) { Px75Valpha(r), r.spanLength = 5701; }, 5,
                     InputField::span, "5700"},
        PreCheckCase{"unknownFamilyHasNoUpperSpan",
                     [](DesignCase &r) { r.deckFamily = 2, r.spanLength = 9000; }, 0,
                     InputField::span, nullptr},
        PreCheckCase{"slab120", [](DesignCase &r) { r.slabThickness = 120; }, 0, InputField::span,
                     nullptr},
        PreCheckCase{"slab119", [](DesignCase &r) { r.slabThickness = 119; }, 6,
                     InputField::slabThickness, "120"},
        PreCheckCase{"slab800", [](DesignCase &r) { r.slabThickness = 800; }, 0, InputField::span,
                     nullptr},
        PreCheckCase{"slab801", [](DesignCase &r) { r.slabThickness = 801; }, 7,
                     InputField::slabThickness, "800"},
        PreCheckCase{"otherWeight0", [](DesignCase &r) { OtherCoating(r, 0); }, 1,
                     InputField::unitWeight, nullptr},
        PreCheckCase{"otherWeightNegative", [](DesignCase &r) { OtherCoating(r, -5); }, 1,
                     InputField::unitWeight, nullptr},
        PreCheckCase{"otherWeight99999", [](DesignCase &r) { OtherCoating(r, 99999); }, 0,
                     InputField::span, nullptr},
        PreCheckCase{"otherWeight100000", [](DesignCase &r) { OtherCoating(r, 100000); }, 2,
                     InputField::unitWeight, nullptr},
        PreCheckCase{"catalogueCoatingIgnoresWeight", [](DesignCase &r) { r.unitWeight = 0; }, 0,
                     InputField::span, nullptr},
        PreCheckCase{"spanBeforeSlab",
                     [](DesignCase &r) { r.spanLength = 900, r.slabThickness = 100; }, 3,
                     InputField::span, "1000"},
        PreCheckCase{"negativeWorkLoad", [](DesignCase &r) { r.workLoadValue = -1; }, 10,
                     InputField::workLoad, nullptr},
        PreCheckCase{"lowestWorkLoad", [](DesignCase &r) { r.workLoadValue = INT32_MIN; }, 10,
                     InputField::workLoad, nullptr},
        PreCheckCase{"negativeOtherLoad", [](DesignCase &r) { r.otherLoadValue = -9000; }, 11,
                     InputField::otherLoad, nullptr},
        PreCheckCase{"otherLoadZero", [](DesignCase &r) { r.otherLoadValue = 0; }, 0,
                     InputField::span, nullptr},
        PreCheckCase{"rangesBeforeLoadSigns",
                     [](DesignCase &r) { r.slabThickness = 100, r.otherLoadValue = -1; }, 6,
                     InputField::slabThickness, "120"},
        PreCheckCase{"workLoadSignBeforeOtherLoad",
                     [](DesignCase &r) { r.workLoadValue = -1, r.otherLoadValue = -1; }, 10,
                     InputField::workLoad, nullptr},
        PreCheckCase{"weightBeforeSpan",
                     [](DesignCase &r) { OtherCoating(r, 0), r.spanLength = 900; }, 1,
                     InputField::unitWeight, nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PreCheck, MessagesAreTheProgramsTexts) {
    DesignCase record;
    record.coatingCode = 4;
    record.unitWeight = 100000;
    EXPECT_EQ(PreCheck(record, {})->message,
              "デッキの単位重量を正しく設定して下さい。\n適正値をかなり超えています。");
    record = DesignCase();
    record.deckFamily = 0;
    record.deckModel = 2;
    record.spanLength = 6000;
    EXPECT_EQ(PreCheck(record, {})->message, "計算できるスパンは、PX75Vαの場合5700 mm以下です");
}

struct WorkLoadCase {
    const char *name;
    WorkLoadEntry entry;
    int check;
    const char *corrected;
};

void PrintTo(const WorkLoadCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "otherChosen", row.entry.otherChosen, "fieldText",
             row.entry.fieldText, "check", row.check, "corrected", row.corrected);
}

class WorkLoadField : public ::testing::TestWithParam<WorkLoadCase> {};

TEST_P(WorkLoadField, IsCheckedOnlyWhenOtherIsChosen) {
    const WorkLoadCase &c = GetParam();
    const auto failure = PreCheck(DesignCase(), c.entry);
    if (c.check == 0) {
        EXPECT_FALSE(failure);
        return;
    }
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->check, c.check);
    EXPECT_EQ(failure->field, InputField::workLoad);
    EXPECT_EQ(failure->corrected, c.corrected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, WorkLoadField,
    ::testing::Values(WorkLoadCase{"standardChosenIgnoresField", {false, "ab  "}, 0, nullptr},
                      WorkLoadCase{"empty", {true, "    "}, 8, "2450"},
                      WorkLoadCase{"reallyEmpty", {true, ""}, 8, "2450"},
                      WorkLoadCase{"fourZeros", {true, "0000"}, 9, "1470"},
                      WorkLoadCase{"blanksThenZero", {true, "   0"}, 9, "1470"},
                      WorkLoadCase{"thousand", {true, "1000"}, 0, nullptr},
                      WorkLoadCase{"belowStandardPasses", {true, "0980"}, 0, nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

// One to three digits in the four positions: refused naming the field and the four digits
// it needs; the text stays for the user to mend (no correction).
TEST(PreCheck, OneToThreeDigitsInTheFourPositionFieldAreRefusedNamingTheField) {
    for (const char *text : {"980 ", "5   ", " 12 "}) {
        const auto failure = PreCheck(DesignCase(), {true, text});
        ASSERT_TRUE(failure) << text;
        EXPECT_EQ(failure->check, kShortWorkLoadCheck);
        EXPECT_EQ(failure->field, InputField::workLoad);
        EXPECT_EQ(failure->message,
                  "作業荷重は 4 桁の数値で入力して下さい。(1470N/㎡以上、例: 2450)");
        EXPECT_FALSE(failure->corrected);
    }
    // The ranges of the record are reported first.
    DesignCase record;
    record.spanLength = 10;
    EXPECT_EQ(PreCheck(record, {true, "980 "})->check, 3);
}

} // namespace
} // namespace korvane
