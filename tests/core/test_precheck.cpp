#include "core/Errors.h"
#include "core/Inputdata.h"
#include "core/PreCheck.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct PreCheckCase {
    const char *name;
    void (*change)(CInputData &);
    int check; // 0: passes
    const char *control;
    const char *corrected;
};

void Px75(CInputData &r) { r.deckFamily = 0, r.deckModel = 0, r.thicknessCode = 0; }
void Px75Valpha(CInputData &r) { r.deckFamily = 0, r.deckModel = 2, r.thicknessCode = 0; }
void Px100L(CInputData &r) { r.deckModel = 2; }
void OtherCoating(CInputData &r, int weight) { r.coatingCode = 4, r.unitWeight = weight; }

class PreCheckTable : public ::testing::TestWithParam<PreCheckCase> {};

TEST_P(PreCheckTable, RefusesOutsideTheCalculableRanges)
{
    const PreCheckCase &c = GetParam();
    CInputData record;
    c.change(record);
    const auto failure = PreCheck(record, WorkLoadEntry{});
    if (c.check == 0) {
        EXPECT_FALSE(failure) << failure->message;
        return;
    }
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->check, c.check);
    EXPECT_EQ(failure->control, c.control);
    if (c.corrected)
        EXPECT_EQ(failure->corrected, c.corrected);
    else
        EXPECT_FALSE(failure->corrected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, PreCheckTable,
    ::testing::Values(
        PreCheckCase{"defaultCase", [](CInputData &) {}, 0, "", nullptr},
        PreCheckCase{"span1000", [](CInputData &r) { r.spanLength = 1000; }, 0, "", nullptr},
        PreCheckCase{"span999", [](CInputData &r) { r.spanLength = 999; }, 3, "Edit1", "1000"},
        PreCheckCase{"px75Span4900", [](CInputData &r) { Px75(r), r.spanLength = 4900; }, 0, "",
                     nullptr},
        PreCheckCase{"px75Span4901", [](CInputData &r) { Px75(r), r.spanLength = 4901; }, 4,
                     "Edit1", "4900"},
        PreCheckCase{"px100lSpan4900", [](CInputData &r) { Px100L(r), r.spanLength = 4900; }, 0,
                     "", nullptr},
        PreCheckCase{"px100lSpan4901", [](CInputData &r) { Px100L(r), r.spanLength = 4901; }, 4,
                     "Edit1", "4900"},
        PreCheckCase{"valphaSpan4901", [](CInputData &r) { Px75Valpha(r), r.spanLength = 4901; },
                     0, "", nullptr},
        PreCheckCase{"valphaSpan5700", [](CInputData &r) { Px75Valpha(r), r.spanLength = 5700; },
                     0, "", nullptr},
        PreCheckCase{"valphaSpan5701", [](CInputData &r) { Px75Valpha(r), r.spanLength = 5701; },
                     5, "Edit1", "5700"},
        PreCheckCase{"unknownFamilyHasNoUpperSpan",
                     [](CInputData &r) { r.deckFamily = 2, r.spanLength = 9000; }, 0, "", nullptr},
        PreCheckCase{"slab120", [](CInputData &r) { r.slabThickness = 120; }, 0, "", nullptr},
        PreCheckCase{"slab119", [](CInputData &r) { r.slabThickness = 119; }, 6, "Edit3", "120"},
        PreCheckCase{"slab800", [](CInputData &r) { r.slabThickness = 800; }, 0, "", nullptr},
        PreCheckCase{"slab801", [](CInputData &r) { r.slabThickness = 801; }, 7, "Edit3", "800"},
        PreCheckCase{"otherWeight0", [](CInputData &r) { OtherCoating(r, 0); }, 1, "Edit99",
                     nullptr},
        PreCheckCase{"otherWeightNegative", [](CInputData &r) { OtherCoating(r, -5); }, 1,
                     "Edit99", nullptr},
        PreCheckCase{"otherWeight99999", [](CInputData &r) { OtherCoating(r, 99999); }, 0, "",
                     nullptr},
        PreCheckCase{"otherWeight100000", [](CInputData &r) { OtherCoating(r, 100000); }, 2,
                     "Edit99", nullptr},
        PreCheckCase{"catalogueCoatingIgnoresWeight", [](CInputData &r) { r.unitWeight = 0; }, 0,
                     "", nullptr},
        PreCheckCase{"spanBeforeSlab",
                     [](CInputData &r) { r.spanLength = 900, r.slabThickness = 100; }, 3, "Edit1",
                     "1000"},
        PreCheckCase{"negativeWorkLoad", [](CInputData &r) { r.workLoadValue = -1; }, 10,
                     "MaskEdit1", nullptr},
        PreCheckCase{"lowestWorkLoad", [](CInputData &r) { r.workLoadValue = INT32_MIN; }, 10,
                     "MaskEdit1", nullptr},
        PreCheckCase{"negativeOtherLoad", [](CInputData &r) { r.otherLoadValue = -9000; }, 11,
                     "Edit6", nullptr},
        PreCheckCase{"otherLoadZero", [](CInputData &r) { r.otherLoadValue = 0; }, 0, "",
                     nullptr},
        PreCheckCase{"rangesBeforeLoadSigns",
                     [](CInputData &r) { r.slabThickness = 100, r.otherLoadValue = -1; }, 6,
                     "Edit3", "120"},
        PreCheckCase{"workLoadSignBeforeOtherLoad",
                     [](CInputData &r) { r.workLoadValue = -1, r.otherLoadValue = -1; }, 10,
                     "MaskEdit1", nullptr},
        PreCheckCase{"weightBeforeSpan",
                     [](CInputData &r) { OtherCoating(r, 0), r.spanLength = 900; }, 1, "Edit99",
                     nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PreCheck, MessagesAreTheProgramsTexts)
{
    CInputData record;
    record.coatingCode = 4;
    record.unitWeight = 100000;
    EXPECT_EQ(PreCheck(record, {})->message,
              "デッキの単位重量を正しく設定して下さい。\n適正値をかなり超えています。");
    record = CInputData();
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

class WorkLoadField : public ::testing::TestWithParam<WorkLoadCase> {};

TEST_P(WorkLoadField, IsCheckedOnlyWhenOtherIsChosen)
{
    const WorkLoadCase &c = GetParam();
    const auto failure = PreCheck(CInputData(), c.entry);
    if (c.check == 0) {
        EXPECT_FALSE(failure);
        return;
    }
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->check, c.check);
    EXPECT_EQ(failure->control, "MaskEdit1");
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

TEST(PreCheck, ThreeDigitsInTheFourPositionFieldAreAConversionError)
{
    EXPECT_THROW(PreCheck(CInputData(), {true, "980 "}), ConversionError);
    // The ranges of the record are reported first.
    CInputData record;
    record.spanLength = 10;
    EXPECT_EQ(PreCheck(record, {true, "980 "})->check, 3);
}

TEST(PreCheck, FileCaseStandsForTheWorkLoadControls)
{
    CInputData record;
    EXPECT_FALSE(WorkLoadEntryOf(record).otherChosen);
    record.workLoadValue = 0;
    EXPECT_EQ(PreCheck(record, WorkLoadEntryOf(record))->check, 9);
    record.workLoadValue = 980;
    EXPECT_FALSE(PreCheck(record, WorkLoadEntryOf(record)));
}

TEST(RecordCodes, RefusesWhatNoWindowCanProduce)
{
    const std::vector<std::pair<const char *, void (*)(CInputData &)>> bad = {
        {"family", [](CInputData &r) { r.deckFamily = 2; }},
        {"model", [](CInputData &r) { r.deckModel = 3; }},
        {"thickness", [](CInputData &r) { r.deckFamily = 0, r.thicknessCode = 5; }},
        {"coatingNone", [](CInputData &r) { r.coatingCode = -1; }},
        {"coating", [](CInputData &r) { r.coatingCode = 5; }},
        {"shoring", [](CInputData &r) { r.shoringCode = 0; }},
        {"class7", [](CInputData &r) { r.alphaClass = 7; }},
        {"concrete", [](CInputData &r) { r.concreteKind = 3; }},
    };
    for (const auto &[name, change] : bad) {
        CInputData record;
        change(record);
        const auto failure = CheckRecordCodes(record);
        ASSERT_TRUE(failure) << name;
        EXPECT_TRUE(failure->control.empty()) << name;
        EXPECT_FALSE(failure->message.empty()) << name;
    }
    EXPECT_FALSE(CheckRecordCodes(CInputData()));
}

TEST(RecordCodes, PX100WithK35IsRefusedWithTheOpenCommandsNotice)
{
    CInputData record;
    record.deckFamily = 0;
    record.deckModel = 3;
    record.coatingCode = 3;
    record.thicknessCode = 0;
    EXPECT_EQ(CheckRecordCodes(record)->message,
              "PX100の表面処理「K35」は廃止されました。\n表面処理を選択し直してください。");
    record.coatingCode = 2;
    EXPECT_FALSE(CheckRecordCodes(record));
}

} // namespace
} // namespace korvane
