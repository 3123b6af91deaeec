// The main window's inputs without a window: deck selection, leave checks, the transfers of
// a design case into the inputs and back, and the pre-check on the inputs.

#include "core/Catalogue.h"
#include "core/Errors.h"
#include "core/InputForm.h"
#include "tests/CaseRowPrinting.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Items = std::vector<std::string>;

// The inputs after the window's first filling.
InputForm FilledForm() {
    InputForm form;
    form.ShowCase(DefaultDesignCase());
    return form;
}

int PositionOf(const Items &items, const std::string &text) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text)
            return static_cast<int>(i);
    ADD_FAILURE() << "no entry " << text;
    return -1;
}

std::string Chosen(const Items &items, int position) {
    return position >= 0 && position < static_cast<int>(items.size())
               ? items[static_cast<std::size_t>(position)]
               : std::string("(none)");
}

TEST(InputForm, BeforeTheFirstFillingHoldsTheDesignItems) {
    const InputForm form;
    EXPECT_EQ(form.ModelItems(), (Items{"PX75LA", "PX75LB"}));
    EXPECT_TRUE(form.ThicknessItems().empty());
    EXPECT_EQ(form.ThicknessPosition(), -1);
    EXPECT_EQ(form.Text(InputField::unitWeight), "");
    EXPECT_EQ(form.UnitWeightHint(), "選択デッキの重量です");
    EXPECT_FALSE(form.AllowableStressShown());
    EXPECT_FALSE(form.WorkLoadFieldEnabled());
    EXPECT_EQ(form.Text(InputField::workLoad), "2450");
}

TEST(InputForm, FirstFillingShowsTheDefaultDeck) {
    const InputForm form = FilledForm();
    EXPECT_TRUE(form.RidgeFamily());
    EXPECT_EQ(form.ModelItems(), (Items{"PX75LA", "PX75LB", "PX100L"}));
    EXPECT_EQ(form.ThicknessItems(), (Items{"0.7", "0.8", "1.0", "1.2", "1.4", "1.6"}));
    EXPECT_EQ(InputForm::CoatingItems(), (Items{"Z12", "Z27", "Y18", "K35", "他"}));
    EXPECT_EQ(Chosen(form.ModelItems(), form.ModelPosition()), "PX75LA");
    EXPECT_EQ(Chosen(form.ThicknessItems(), form.ThicknessPosition()), "0.7");
    EXPECT_EQ(form.CoatingPosition(), 0);
    EXPECT_EQ(form.Text(InputField::unitWeight), "111");
    EXPECT_EQ(form.UnitWeightHint(), "選択されたデッキの単位重量です。");
    EXPECT_EQ(form.ReadCase(), DefaultDesignCase());
}

struct FamilyChangeCase {
    const char *name;
    const char *thicknessBefore;
    bool toPxDeck;
    const char *model;
    const char *thickness;
    const char *weight;
};

void PrintTo(const FamilyChangeCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "thicknessBefore", row.thicknessBefore, "toPxDeck", row.toPxDeck,
             "model", row.model, "thickness", row.thickness, "weight", row.weight);
}

class FamilyChange : public ::testing::TestWithParam<FamilyChangeCase> {};

TEST_P(FamilyChange, KeepsTheThicknessTheNewFamilyOffers) {
    const FamilyChangeCase &c = GetParam();
    InputForm form = FilledForm();
    if (!c.toPxDeck)
        form.ChooseFamily(false);
    form.ChooseThickness(PositionOf(form.ThicknessItems(), c.thicknessBefore));
    form.ChooseFamily(!c.toPxDeck);
    EXPECT_EQ(Chosen(form.ModelItems(), form.ModelPosition()), c.model);
    EXPECT_EQ(Chosen(form.ThicknessItems(), form.ThicknessPosition()), c.thickness);
    EXPECT_EQ(form.Text(InputField::unitWeight), c.weight);
}

INSTANTIATE_TEST_SUITE_P(
    Deck, FamilyChange,
    ::testing::Values(FamilyChangeCase{"from07ToPxDeck", "0.7", true, "PX75", "0.8", "124"},
                      FamilyChangeCase{"from12ToPxDeck", "1.2", true, "PX75", "1.2", "184"},
                      FamilyChangeCase{"from16ToRidge", "1.6", false, "PX75LA", "1.6", "248"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(InputForm, ChoosingTheChosenFamilyChangesNothing) {
    InputForm form = FilledForm();
    form.ChooseThickness(3);
    form.ChooseModel(1);
    form.ChooseFamily(true);
    EXPECT_EQ(form.ModelPosition(), 1);
    EXPECT_EQ(form.ThicknessPosition(), 3);
}

TEST(InputForm, AllowableStressLabelBelongsToPx75ValphaOnly) {
    InputForm form = FilledForm();
    form.ChooseFamily(false);
    form.ChooseModel(2);
    EXPECT_TRUE(form.AllowableStressShown());
    EXPECT_EQ(form.SpanHint(), "計算可能な範囲は、PX75Vαの場合『1000～5700mm』です。");
    form.ChooseFamily(true);
    EXPECT_FALSE(form.AllowableStressShown());
    EXPECT_EQ(form.SpanHint(), "計算可能な範囲は『1000～4900mm』です。");
    form.ChooseModel(2); // PX100L: the third entry of the other family
    EXPECT_FALSE(form.AllowableStressShown());
}

TEST(InputForm, OtherCoatingTakesTheUsersWeightUntilTheDeckChanges) {
    InputForm form = FilledForm();
    EXPECT_FALSE(form.UnitWeightEditable());
    const FormReaction reaction = form.ChooseCoating(4);
    EXPECT_EQ(reaction.focus, InputField::unitWeight);
    EXPECT_FALSE(reaction.message);
    EXPECT_TRUE(form.UnitWeightEditable());
    EXPECT_EQ(form.Text(InputField::unitWeight), "");
    EXPECT_EQ(form.UnitWeightHint(), "デッキの単位重量を設定して下さい。");
    form.SetText(InputField::unitWeight, "150");
    EXPECT_EQ(form.ReadCase().unitWeight, 150);

    form.ChooseThickness(2);
    EXPECT_EQ(form.Text(InputField::unitWeight), "");
    form.ChooseCoating(1);
    EXPECT_EQ(form.Text(InputField::unitWeight), "160"); // PX75LA 1.0 Z27
    EXPECT_EQ(form.UnitWeightHint(), "選択されたデッキの単位重量です。");
}

struct LeaveCase {
    const char *name;
    InputField field;
    const char *typed;
    const char *message; // nullptr: silent
    const char *after;
};

void PrintTo(const LeaveCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "field", row.field, "typed", row.typed, "message", row.message,
             "after", row.after);
}

class LeaveCheck : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(LeaveCheck, KeepsTheFieldAWholeNumberNotAboveItsBound) {
    const LeaveCase &c = GetParam();
    InputForm form = FilledForm();
    form.SetText(c.field, c.typed);
    const FormReaction reaction = form.LeaveField(c.field);
    EXPECT_EQ(form.Text(c.field), c.after);
    if (!c.message) {
        EXPECT_FALSE(reaction.message);
        EXPECT_FALSE(reaction.focus);
        return;
    }
    EXPECT_EQ(reaction.message, c.message);
    EXPECT_EQ(reaction.focus, c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, LeaveCheck,
    ::testing::Values(
        LeaveCase{"spanLetters", InputField::span, "abc", "『スパン』を設定して下さい", "500"},
        LeaveCase{"spanEmpty", InputField::span, "", "『スパン』を設定して下さい", "500"},
        LeaveCase{"spanFraction", InputField::span, "2500.5", "『スパン』を設定して下さい", "500"},
        LeaveCase{"spanTooLong", InputField::span, "12000",
                  "計算可能な『スパン』の最大値は、9900 mmです", "9900"},
        LeaveCase{"span9900", InputField::span, "9900", nullptr, "9900"},
        LeaveCase{"spanNegative", InputField::span, "-5", nullptr, "-5"},
        LeaveCase{"slabEmpty", InputField::slabThickness, "", "『コンクリート厚』を設定して下さい",
                  "0"},
        LeaveCase{"slab850", InputField::slabThickness, "850",
                  "計算可能な『コンクリート厚』の最大値は、800 mmです", "800"},
        LeaveCase{"otherEmpty", InputField::otherLoad, "", "『その他荷重』の値を設定して下さい",
                  "0"},
        LeaveCase{"other9500", InputField::otherLoad, "9500",
                  "計算可能な『その他荷重』の最大値は、9000 N/㎡です", "9000"},
        LeaveCase{"weightHasNoLeaveCheck", InputField::unitWeight, "x", nullptr, "x"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(InputForm, SlabAndOtherLoadTakeDigitsAndBackspaceOnly) {
    for (InputField field : {InputField::slabThickness, InputField::otherLoad}) {
        EXPECT_TRUE(InputForm::AcceptsTypedCharacter(field, U'7'));
        EXPECT_TRUE(InputForm::AcceptsTypedCharacter(field, 8));
        EXPECT_FALSE(InputForm::AcceptsTypedCharacter(field, U'a'));
        EXPECT_FALSE(InputForm::AcceptsTypedCharacter(field, U'.'));
        EXPECT_FALSE(InputForm::AcceptsTypedCharacter(field, U'-'));
    }
    EXPECT_TRUE(InputForm::AcceptsTypedCharacter(InputField::span, U'a'));
}

TEST(InputForm, WorkLoadOptionSwitchesTheFieldAndKeepsItsText) {
    InputForm form = FilledForm();
    EXPECT_EQ(form.ChooseOtherWorkLoad(true).focus, InputField::workLoad);
    EXPECT_TRUE(form.WorkLoadFieldEnabled());
    form.SetText(InputField::workLoad, "1000");
    form.ChooseOtherWorkLoad(false);
    EXPECT_FALSE(form.WorkLoadFieldEnabled());
    EXPECT_EQ(form.ReadCase().workLoadValue, 1470);
    form.ChooseOtherWorkLoad(true);
    EXPECT_EQ(form.ReadCase().workLoadValue, 1000);
}

// ---- A design case into the inputs and back ----

DesignCase Case(void (*change)(DesignCase &)) {
    DesignCase record = DefaultDesignCase();
    change(record);
    return record;
}

struct ShowCaseRow {
    const char *name;
    void (*change)(DesignCase &);
    const char *model;
    const char *thickness;
    const char *coating;            // "(none)" for no entry chosen
    void (*readBack)(DesignCase &); // what reading the inputs back changes
};

void PrintTo(const ShowCaseRow &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "model", row.model, "thickness", row.thickness, "coating",
             row.coating);
}

void Px(DesignCase &r) {
    r.deckFamily = 0, r.deckModel = 0, r.thicknessCode = 0;
}
void Px100(DesignCase &r) {
    Px(r), r.deckModel = 3;
}

class ShowAndRead : public ::testing::TestWithParam<ShowCaseRow> {};

TEST_P(ShowAndRead, ShowsWhatTheWindowKnowsAndReadsItBack) {
    const ShowCaseRow &c = GetParam();
    const DesignCase record = Case(c.change);
    InputForm form;
    form.ShowCase(record);
    EXPECT_EQ(Chosen(form.ModelItems(), form.ModelPosition()), c.model);
    EXPECT_EQ(Chosen(form.ThicknessItems(), form.ThicknessPosition()), c.thickness);
    EXPECT_EQ(Chosen(InputForm::CoatingItems(), form.CoatingPosition()), c.coating);
    DesignCase expected = record;
    c.readBack(expected);
    expected.versionText = kCurrentVersionText;
    EXPECT_EQ(form.ReadCase(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShowAndRead,
    ::testing::Values(
        ShowCaseRow{"defaultCase", [](DesignCase &) {}, "PX75LA", "0.7", "Z12",
                    [](DesignCase &) {}},
        ShowCaseRow{"px75vY18", [](DesignCase &r) { Px(r), r.deckModel = 1, r.coatingCode = 2; },
                    "PX75V", "0.8", "Y18", [](DesignCase &) {}},
        ShowCaseRow{"px100ShowsAsPx75", [](DesignCase &r) { Px100(r), r.coatingCode = 1; }, "PX75",
                    "0.8", "Z27", [](DesignCase &r) { r.deckModel = 0; }},
        ShowCaseRow{"px100OtherKeepsItsWeight",
                    [](DesignCase &r) { Px100(r), r.coatingCode = 4, r.unitWeight = 160; }, "PX75",
                    "0.8", "他", [](DesignCase &r) { r.deckModel = 0; }},
        ShowCaseRow{"thickness07WithPxDeckShowsFirst",
                    [](DesignCase &r) { Px(r), r.thicknessCode = 5; }, "PX75", "0.8", "Z12",
                    [](DesignCase &r) { r.thicknessCode = 0; }},
        ShowCaseRow{"ridgeThickness14", [](DesignCase &r) { r.thicknessCode = 3; }, "PX75LA", "1.4",
                    "Z12", [](DesignCase &) {}},
        ShowCaseRow{"unknownCodesShowFirstOptions",
                    [](DesignCase &r) {
                        r.deckFamily = 7, r.deckModel = 9, r.thicknessCode = 8;
                        r.shoringCode = 0, r.alphaClass = 7, r.concreteKind = 3;
                    },
                    "PX75LA", "0.7", "Z12",
                    [](DesignCase &r) {
                        r.deckFamily = 1, r.deckModel = 0, r.thicknessCode = 5;
                        r.shoringCode = 1, r.alphaClass = 4, r.concreteKind = 4;
                    }},
        ShowCaseRow{"noCoatingReadsAsZ12", [](DesignCase &r) { r.coatingCode = -1; }, "PX75LA",
                    "0.7", "(none)", [](DesignCase &r) { r.coatingCode = 0; }},
        ShowCaseRow{"ownWeightWithCatalogueCoatingStays", [](DesignCase &r) { r.unitWeight = 150; },
                    "PX75LA", "0.7", "Z12", [](DesignCase &) {}},
        ShowCaseRow{"workLoad2000", [](DesignCase &r) { r.workLoadValue = 2000; }, "PX75LA", "0.7",
                    "Z12", [](DesignCase &) {}},
        ShowCaseRow{"workLoad980EndsInABlank", [](DesignCase &r) { r.workLoadValue = 980; },
                    "PX75LA", "0.7", "Z12", [](DesignCase &r) { r.workLoadValue = 0; }},
        ShowCaseRow{"choicesAndPrintValues",
                    [](DesignCase &r) {
                        r.shoringCode = 3, r.alphaClass = 9, r.concreteKind = 6;
                        r.projectTitle = "事務所棟", r.pageNumberPos = 21, r.pageText = "－３－";
                    },
                    "PX75LA", "0.7", "Z12", [](DesignCase &) {}},
        ShowCaseRow{"unknownPagePositionIsNone", [](DesignCase &r) { r.pageNumberPos = 13; },
                    "PX75LA", "0.7", "Z12", [](DesignCase &r) { r.pageNumberPos = 0; }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(InputForm, StandardWorkLoadShowsTheGreyedDefaultText) {
    InputForm form;
    form.ShowCase(DefaultDesignCase());
    EXPECT_FALSE(form.OtherWorkLoad());
    EXPECT_EQ(form.Text(InputField::workLoad), "2450");
    form.ShowCase(Case([](DesignCase &r) { r.workLoadValue = 980; }));
    EXPECT_TRUE(form.OtherWorkLoad());
    EXPECT_EQ(form.Text(InputField::workLoad), "980 ");
    EXPECT_EQ(WorkLoadMaskText("-12345"), "-123");
}

TEST(InputForm, OldestFormatWithTheSecondModelGetsTheImprovedSectionNotice) {
    InputForm form;
    DesignCase record = Case([](DesignCase &r) { Px(r), r.deckModel = 1; });
    EXPECT_TRUE(form.ShowCase(record).empty());
    record.versionText = "1";
    EXPECT_EQ(form.ShowCase(record), std::vector<std::string>{kImprovedSectionNotice});
    record.deckModel = 2;
    EXPECT_TRUE(form.ShowCase(record).empty());
}

TEST(InputForm, OpeningPx100WithK35AsksForTheCoatingAgain) {
    InputForm form;
    const DesignCase record = Case([](DesignCase &r) { Px100(r), r.coatingCode = 3; });
    EXPECT_EQ(form.OpenCase(record), std::vector<std::string>{kDiscontinuedCoatingNotice});
    EXPECT_EQ(form.CoatingPosition(), -1);
    EXPECT_EQ(form.ReadCase().coatingCode, 0);
    EXPECT_TRUE(form.OpenCase(Case([](DesignCase &r) { Px(r), r.coatingCode = 3; })).empty());
}

// ---- The pre-check on the inputs ----

struct FormCheckCase {
    const char *name;
    void (*change)(DesignCase &);
    const char *workLoadText; // typed after the case is shown; nullptr: as shown
    int check;                // 0: passes
    InputField field;
    const char *after; // the field's text once the correction is applied
};

void PrintTo(const FormCheckCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "workLoadText", row.workLoadText, "check", row.check, "field",
             row.field, "after", row.after);
}

class FormPreCheck : public ::testing::TestWithParam<FormCheckCase> {};

TEST_P(FormPreCheck, NamesTheFieldAndCorrectsIt) {
    const FormCheckCase &c = GetParam();
    InputForm form;
    form.ShowCase(Case(c.change));
    if (c.workLoadText)
        form.SetText(InputField::workLoad, c.workLoadText);
    const auto failure = form.PreCheck();
    if (c.check == 0) {
        EXPECT_FALSE(failure) << failure->message;
        return;
    }
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->check, c.check);
    EXPECT_EQ(failure->field, c.field);
    form.ApplyCorrection(*failure);
    EXPECT_EQ(form.Text(c.field), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, FormPreCheck,
    ::testing::Values(FormCheckCase{"span999", [](DesignCase &r) { r.spanLength = 999; }, nullptr,
                                    3, InputField::span, "1000"},
                      FormCheckCase{"slab801", [](DesignCase &r) { r.slabThickness = 801; },
                                    nullptr, 7, InputField::slabThickness, "800"},
                      FormCheckCase{"otherWeightZero",
                                    [](DesignCase &r) { r.coatingCode = 4, r.unitWeight = 0; },
                                    nullptr, 1, InputField::unitWeight, "0"},
                      FormCheckCase{"emptyWorkLoad", [](DesignCase &r) { r.workLoadValue = 2000; },
                                    "    ", 8, InputField::workLoad, "2450"},
                      FormCheckCase{"fourZeros", [](DesignCase &r) { r.workLoadValue = 2000; },
                                    "0000", 9, InputField::workLoad, "1470"},
                      FormCheckCase{"workLoad1000", [](DesignCase &r) { r.workLoadValue = 1000; },
                                    nullptr, 0, InputField::workLoad, ""},
                      FormCheckCase{"standardIgnoresTheField", [](DesignCase &) {}, "    ", 0,
                                    InputField::workLoad, ""},
                      FormCheckCase{"negativeOtherLoad",
                                    [](DesignCase &r) { r.otherLoadValue = -50; }, nullptr, 11,
                                    InputField::otherLoad, "-50"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(InputForm, ShortWorkLoadIsRefusedOnCalculateNamingTheField) {
    // A case's 980 or 0 fills fewer than the field's four positions: the text ends in blanks.
    for (int workLoad : {980, 0}) {
        InputForm form;
        form.ShowCase(Case([](DesignCase &r) { r.workLoadValue = 2000; }));
        form.SetText(InputField::workLoad, WorkLoadMaskText(std::to_string(workLoad)));
        const auto failure = form.PreCheck();
        ASSERT_TRUE(failure) << workLoad;
        EXPECT_EQ(failure->check, kShortWorkLoadCheck) << workLoad;
        EXPECT_EQ(failure->field, InputField::workLoad);
        EXPECT_FALSE(failure->corrected) << "the typed text stays for the user to mend";
    }
}

} // namespace
} // namespace korvane
