// The texts of the calculation sheet, item by item, for calculated design cases.
#include "sheet/SheetContent.h"

#include "core/Calculation.h"
#include "core/DesignCase.h"

#include "tests/RowPrinting.h"

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>

namespace korvane {
namespace {

using Edit = std::function<void(DesignCase &)>;

DesignCase Record(const Edit &edit = {}) {
    DesignCase r;
    if (edit)
        edit(r);
    return r;
}

SheetContent Build(const DesignCase &record, SheetTarget target = SheetTarget::kScreen,
                   const PrintSettings &print = {}) {
    return BuildSheetContent(SheetInputs{record, Calculate(record), print, target, "2026/12/10"});
}

SheetContent BuildFrom(const DesignCase &record, const CalculationResult &result) {
    return BuildSheetContent(SheetInputs{record, result, {}, SheetTarget::kScreen, ""});
}

// Joined text of an item, or "<absent>".
std::string Text(const SheetContent &c, const std::string &label) {
    const SheetItem *item = c.Find(label);
    return item ? JoinRuns(item->runs) : "<absent>";
}

std::string Verdict(const SheetContent &c, const std::string &label) {
    const SheetItem *item = c.Find(label);
    return item ? item->verdict : "<absent>";
}

void OneRowOfShores(DesignCase &r) {
    r.shoringCode = code::kShoringOneRow;
}

struct ItemCase {
    const char *name;
    Edit edit;
    const char *label;
    const char *text;
    const char *verdict;
};

void PrintTo(const ItemCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "label", row.label, "text", row.text, "verdict", row.verdict);
}

class ItemText : public testing::TestWithParam<ItemCase> {};

TEST_P(ItemText, ReadsExactly) {
    const ItemCase &c = GetParam();
    const SheetContent content = Build(Record(c.edit));
    EXPECT_EQ(Text(content, c.label), c.text);
    EXPECT_EQ(Verdict(content, c.label), c.verdict);
}

const char *const kOk = "【 O.K.】";
const char *const kNg = "【不 可】";

// The design case as the program starts, PX75LA 0.7 mm over 2500 mm without shores.
INSTANTIATE_TEST_SUITE_P(
    DefaultCase, ItemText,
    testing::Values(
        ItemCase{"A2", {}, "A2", "デッキプレート: PX75LA-07 (Z12)  t =0.7 mm", ""},
        ItemCase{"A3", {}, "A3", "ス　パ　ン Ｌ : 2.5ｍ　[ 支保工無し(Ｌw=Ｌ) ]", ""},
        ItemCase{"A4", {}, "A4", "コンクリート : 普通ρ=24 kN/m3   S=130mm", ""},
        ItemCase{"B1", {}, "B1", "□デッキプレートの断面性能と許容応力度 (C=1.5)", ""},
        ItemCase{"B2", {}, "B2", "重　　   量 : 111N/㎡", ""},
        ItemCase{"B3", {}, "B3", "断 面 係 数Zt : 20.3 x103 mm3/m", ""},
        ItemCase{"B4", {}, "B4", "許容応力度  : ｆb = 235 N/mm2", ""},
        ItemCase{"B5", {}, "B5", "断面二次モーメントI : 105 x104 mm4/m", ""},
        ItemCase{"B6", {}, "B6", "低減係数β=1.25", ""}, ItemCase{"B7", {}, "B7", "Lmax=2420mm", ""},
        ItemCase{"NoB8", {}, "B8", "<absent>", "<absent>"}, ItemCase{"C2", {}, "C2", "鉄骨造", ""},
        ItemCase{"D2", {}, "D2", "鉄筋コンクリート 24000x0.13= 3120N/㎡", ""},
        ItemCase{"D4", {}, "D4", "固定荷重 ＷDL :   3231 N/㎡", ""},
        ItemCase{"D5", {}, "D5", "デッキプレート       　　　        111N/㎡", ""},
        ItemCase{"D6", {}, "D6", "作業荷重 ＷWL :   1470 N/㎡", ""},
        ItemCase{"D8", {}, "D8", "WＷTL :   4701 N/㎡", ""},
        ItemCase{"NoE2", {}, "E2", "<absent>", "<absent>"},
        ItemCase{"NoE4", {}, "E4", "<absent>", "<absent>"},
        ItemCase{"E5", {}, "E5", "1)正曲げ応力度", ""},
        ItemCase{"E6",
                 {},
                 "E6",
                 "σ＝ wＷTL･Ｌw2･103 8xＺt＝ 4701×2.52  8x20.3 × 103  103 ＝180.92 ",
                 ""},
        ItemCase{"E7", {}, "E7", " ≦ fb/β = 188 N/mm2", kOk},
        ItemCase{"E8", {}, "E8", "2)たわみ", ""},
        ItemCase{"E9",
                 {},
                 "E9",
                 "δmax＝Ｃ 5wＷTL･Ｌw4･109       384Ｅ･Ｉ＝1.5  5×4701×2.54"
                 " 384×2.05×105×105 × 109  104 ＝ 16.66",
                 ""},
        ItemCase{"E10", {}, "E10", " ≦ 1000･Ｌw/180 + 5 =18.88 mm", kOk},
        ItemCase{"E11", {}, "E11", "3)0.7mmデッキ最大スパン", ""},
        ItemCase{"E12", {}, "E12", "スパンL＝2500 ＞ Lmax=2420mm", kNg},
        ItemCase{"N0", {}, "N0", "注意：", ""}, ItemCase{"NoN1", {}, "N1", "<absent>", "<absent>"},
        ItemCase{"NoN2", {}, "N2", "<absent>", "<absent>"},
        ItemCase{"NoN3", {}, "N3", "<absent>", "<absent>"},
        ItemCase{"N6",
                 {},
                 "N6",
                 "・全ての計算は、入力値も含め上記記載通りの有効数字を用いて行っています。",
                 ""},
        ItemCase{"V2",
                 {},
                 "V2",
                 "                   「スパン」がアウトになります。設定を変えて下さい。",
                 ""},
        ItemCase{"ScreenHasNoFooter", {}, "F1", "<absent>", "<absent>"}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    OneRowOfShores, ItemText,
    testing::Values(
        ItemCase{"A3", OneRowOfShores, "A3", "ス　パ　ン Ｌ : 2.5ｍ　[ 支保工有り ]", ""},
        ItemCase{"B8", OneRowOfShores, "B8", "デッキリブ許容支圧荷重: 9800 N/m", ""},
        ItemCase{"E2", OneRowOfShores, "E2",
                 "支保工使用のため，スパンを1/2(Ｌw=Ｌ/2)として計算します。", ""},
        ItemCase{"E3", OneRowOfShores, "E3", "1)デッキリブの支圧荷重", ""},
        ItemCase{"E4", OneRowOfShores, "E4", "Ｐ＝ wＷTL･Ｌw＝ 4701x1.25＝5877 ≦ 9800 N/m", kOk},
        ItemCase{"E5", OneRowOfShores, "E5", "2)正曲げ応力度", ""},
        ItemCase{"E7", OneRowOfShores, "E7", " ≦ fb/β = 188 N/mm2", kOk},
        ItemCase{"E8", OneRowOfShores, "E8", "3)たわみ", ""},
        ItemCase{"E10", OneRowOfShores, "E10", " ≦ 1000･Ｌw/180 + 5 =11.94 mm", kOk},
        ItemCase{"E11", OneRowOfShores, "E11", "4)0.7mmデッキ最大スパン", ""},
        ItemCase{"E12", OneRowOfShores, "E12", "スパンL＝1250 ≦ Lmax=2420mm", kOk},
        ItemCase{"V2", OneRowOfShores, "V2",
                 "                                     全てクリアしています。", ""},
        ItemCase{"TwoRowsE2", [](DesignCase &r) { r.shoringCode = code::kShoringTwoRows; }, "E2",
                 "支保工使用のため，スパンを1/3(Ｌw=Ｌ/3)として計算します。", ""}),
    [](const auto &info) { return std::string(info.param.name); });

// Cases that change one thing of the default case.
INSTANTIATE_TEST_SUITE_P(
    Variants, ItemText,
    testing::Values(
        ItemCase{"Plate10ShowsDecimal", [](DesignCase &r) { r.thicknessCode = 1; }, "A2",
                 "デッキプレート: PX75LA-10 (Z12)  t =1.0 mm", ""},
        ItemCase{"Plate12", [](DesignCase &r) { r.thicknessCode = 2; }, "A2",
                 "デッキプレート: PX75LA-12 (Z12)  t =1.2 mm", ""},
        ItemCase{"CoatingOtherHasNoName",
                 [](DesignCase &r) {
                     r.coatingCode = code::kCoatingOther;
                     r.unitWeight = 150;
                 },
                 "A2", "デッキプレート: PX75LA-07  t =0.7 mm", ""},
        ItemCase{"CoatingOtherWeightB2",
                 [](DesignCase &r) {
                     r.coatingCode = code::kCoatingOther;
                     r.unitWeight = 150;
                 },
                 "B2", "重　　   量 : 150N/㎡", ""},
        ItemCase{"CoatingOtherWeightD5",
                 [](DesignCase &r) {
                     r.coatingCode = code::kCoatingOther;
                     r.unitWeight = 150;
                 },
                 "D5", "デッキプレート       　　　        150N/㎡", ""},
        ItemCase{"OtherLoadLabel", [](DesignCase &r) { r.otherLoadValue = 500; }, "D6",
                 "作業荷重＋その他荷重 ＷWL :   1970 N/㎡", ""},
        ItemCase{"Class1Line", [](DesignCase &r) { r.alphaClass = code::kClass1; }, "C2",
                 "RC造･SRC造 / Ⅰ類 [α＝1.0]", ""},
        ItemCase{"Class3Line", [](DesignCase &r) { r.alphaClass = code::kClass3; }, "C2",
                 "RC造･SRC造 / Ⅲ類 [α＝1.5]", ""},
        ItemCase{"SteelWithoutBeta",
                 [](DesignCase &r) {
                     r.deckFamily = code::kFamilyPx;
                     r.thicknessCode = 0;
                 },
                 "E7", " ≦ fb = 205 N/mm2", kOk},
        ItemCase{"ClassWithBeta",
                 [](DesignCase &r) {
                     r.spanLength = 1000;
                     r.alphaClass = code::kClass3;
                 },
                 "E7", " ≦ fb/(α×β) = 235/2.625＝89.53 N/mm2", kOk},
        ItemCase{"ClassWithoutBeta",
                 [](DesignCase &r) {
                     r.deckFamily = code::kFamilyPx;
                     r.thicknessCode = 1;
                     r.alphaClass = code::kClass2;
                 },
                 "E7", " ≦ fb/α = 205/1.25＝164 N/mm2", kOk},
        ItemCase{"NoBetaNoMaxSpan",
                 [](DesignCase &r) {
                     r.deckFamily = code::kFamilyPx;
                     r.thicknessCode = 0;
                 },
                 "E12", "<absent>", "<absent>"},
        ItemCase{"NoBetaNoB6",
                 [](DesignCase &r) {
                     r.deckFamily = code::kFamilyPx;
                     r.thicknessCode = 0;
                 },
                 "B6", "<absent>", "<absent>"},
        ItemCase{"SlabOf300HasNoN4", [](DesignCase &r) { r.slabThickness = 300; }, "N4", "<absent>",
                 "<absent>"},
        ItemCase{"SlabOf301HasN4", [](DesignCase &r) { r.slabThickness = 301; }, "N4",
                 "・コンクリート厚さS=301mmは標準仕様範囲外です。"
                 "計算結果がOKの場合も別途弊社へご相談ください。",
                 ""},
        ItemCase{"SpanOf3000HasNoN5", [](DesignCase &r) { r.spanLength = 3000; }, "N5", "<absent>",
                 "<absent>"},
        ItemCase{"SpanOf3010HasN5", [](DesignCase &r) { r.spanLength = 3010; }, "N5",
                 "・スパン3010mmは判定の如何に関わらず、梁の構造上中間支保工を必要とする場合が"
                 "あります。",
                 ""},
        ItemCase{"Px100HasN1",
                 [](DesignCase &r) {
                     r.deckFamily = code::kFamilyPx;
                     r.deckModel = code::kModelPx100;
                     r.thicknessCode = 1;
                 },
                 "N1",
                 "・H100タイプは｢床型枠用鋼製デッキプレート設計･施工指針｣の適用外ですが、"
                 "準拠して計算します。",
                 ""}),
    [](const auto &info) { return std::string(info.param.name); });

// PX75Vα 1.2 mm, class Ⅲ, 3000 mm, S 150 mm: the high-strength deck outside the guideline.
DesignCase HighStrengthCase() {
    return Record([](DesignCase &r) {
        r.deckFamily = code::kFamilyPx;
        r.deckModel = code::kModelPx75Valpha;
        r.thicknessCode = 2;
        r.alphaClass = code::kClass3;
        r.spanLength = 3000;
        r.slabThickness = 150;
    });
}

TEST(Concrete, LightweightKindsReadLightweight) {
    for (int kind : {code::kConcreteLight1, code::kConcreteLight2}) {
        const std::string a4 =
            Text(Build(Record([&](DesignCase &r) { r.concreteKind = kind; })), "A4");
        EXPECT_EQ(a4.rfind("コンクリート : 軽量ρ=", 0), 0u) << a4;
    }
}

TEST(HighStrengthCase, FailsBendingAndDeflectionAndAddsItsNotes) {
    const SheetContent c = Build(HighStrengthCase());
    EXPECT_TRUE(c.highStrength);
    EXPECT_EQ(Text(c, "E7"), " ＞ fb/α = 235/1.5＝156.7 N/mm2");
    EXPECT_EQ(Verdict(c, "E7"), kNg);
    EXPECT_EQ(Text(c, "E10").substr(0, 5), " ＞ ");
    EXPECT_EQ(Verdict(c, "E10"), kNg);
    EXPECT_EQ(Text(c, "N3"), "・板厚1.2mm－Ⅲ類[α＝1.5] は｢床型枠用鋼製デッキプレート設計･施工指針｣"
                             "の適用外の組合せです。");
    EXPECT_EQ(Text(c, "V2"), "       「正曲げ応力度」と「たわみ」がアウトになります。"
                             "設定を変えて下さい。");
}

TEST(HighStrengthCase, BreaksNoteN2DifferentlyOnScreenAndPaper) {
    std::vector<std::string> screen, printer;
    for (const SheetItem &item : Build(HighStrengthCase()).items)
        if (item.label == "N2")
            screen.push_back(JoinRuns(item.runs));
    for (const SheetItem &item : Build(HighStrengthCase(), SheetTarget::kPrinter).items)
        if (item.label == "N2")
            printer.push_back(JoinRuns(item.runs));
    const std::string head =
        "・｢床型枠用鋼製デッキプレート設計･施工指針｣に準拠して検討しますが、PX75Vαデッキの場合は、";
    EXPECT_EQ(screen, (std::vector<std::string>{
                          head, "  上部枠内記載のように 許容応力度及び断面性能値が異なります。"}));
    EXPECT_EQ(printer, (std::vector<std::string>{head + "上部枠内記載のように",
                                                 "  許容応力度及び断面性能値が異なります。"}));
}

TEST(Deflection, IsCutNotRoundedAndTinyValuesReadAlmostZero) {
    const DesignCase record = Record();
    CalculationResult result = Calculate(record);
    const auto resultText = [&](double deflection) -> std::string {
        result.deflection = deflection;
        return std::string(BuildFrom(record, result).Find("E9")->runs.back().text);
    };
    EXPECT_EQ(resultText(0.0005), " ≒ 0");
    EXPECT_EQ(resultText(0.001), "＝ 0");
    EXPECT_EQ(resultText(2.999), "＝ 2.99");
    EXPECT_EQ(resultText(16.669), "＝ 16.66");
}

TEST(Deflection, LimitIsCutToTwoDecimals) {
    const DesignCase record = Record();
    CalculationResult result = Calculate(record);
    result.deflectionLimit = 18.8889;
    EXPECT_EQ(Text(BuildFrom(record, result), "E10"), " ≦ 1000･Ｌw/180 + 5 =18.88 mm");
}

TEST(VerdictMessage, NamesFailingChecksBendingFirst) {
    CheckVerdicts v;
    v.ribBearing.applies = true;
    v.maxSpan.applies = true;
    EXPECT_EQ(VerdictMessage(v), "全てクリアしています。");
    v.deflection.passes = false;
    v.bending.passes = false;
    EXPECT_EQ(VerdictMessage(v),
              "「正曲げ応力度」と「たわみ」がアウトになります。設定を変えて下さい。");
    v.ribBearing.passes = false;
    EXPECT_EQ(VerdictMessage(v),
              "「正曲げ応力度」「たわみ」「支圧荷重」がアウトになります。設定を変えて下さい。");
    v.maxSpan.passes = false;
    EXPECT_EQ(VerdictMessage(v), "全てアウトです。設定を変えて下さい。");
}

TEST(VerdictMessage, IgnoresChecksThatDoNotApply) {
    CheckVerdicts v;
    v.ribBearing.passes = false; // without shores the bearing check does not exist
    v.maxSpan.passes = false;
    EXPECT_EQ(VerdictMessage(v), "全てクリアしています。");
}

struct CentringCase {
    const char *name;
    std::string message;
    size_t spaces;
};

void PrintTo(const CentringCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "message", row.message, "spaces", row.spaces);
}

class Centring : public testing::TestWithParam<CentringCase> {};

TEST_P(Centring, PrefixesSpacesByByteLength) {
    const std::string &m = GetParam().message;
    EXPECT_EQ(CentredVerdictMessage(m), std::string(GetParam().spaces, ' ') + m);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, Centring,
    testing::Values(
        CentringCase{"AllClear22Bytes", "全てクリアしています。", 37},
        CentringCase{"OneCheck50Bytes", "「スパン」がアウトになります。設定を変えて下さい。", 19},
        CentringCase{"TwoChecks68Bytes",
                     "「正曲げ応力度」と「たわみ」がアウトになります。設定を変えて下さい。", 7},
        CentringCase{
            "ThreeChecks78Bytes",
            "「正曲げ応力度」「たわみ」「支圧荷重」がアウトになります。設定を変えて下さい。", 1},
        CentringCase{"AllFail", "全てアウトです。設定を変えて下さい。", 28},
        CentringCase{"EightyBytes", std::string(80, 'x'), 0},
        CentringCase{"Longer", std::string(95, 'x'), 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PrinterVariant, HeaderAndFooterFollowThePrintSettings) {
    PrintSettings print; // title left at the placeholder, no page number
    SheetContent c = Build(Record(), SheetTarget::kPrinter, print);
    EXPECT_EQ(Text(c, "H1"), "<absent>");
    EXPECT_EQ(Text(c, "H2"), "<absent>");
    EXPECT_EQ(Text(c, "H3"), "フラットデッキ構造計算");
    EXPECT_EQ(Text(c, "F1"), "Ａｒｖｅｌ株式会社 [2026/12/10]");
    EXPECT_EQ(Text(c, "F2"), "<absent>");

    print.projectTitle = "";
    print.pageNumberPos = 11;
    c = Build(Record(), SheetTarget::kPrinter, print);
    EXPECT_EQ(Text(c, "H2"), "物件名：");
    EXPECT_EQ(Text(c, "H1"), "－１－");
    EXPECT_EQ(Text(c, "F2"), "<absent>");

    print.projectTitle = "市民会館 増築";
    print.pageNumberPos = 22;
    print.pageText = "－７－";
    c = Build(Record(), SheetTarget::kPrinter, print);
    EXPECT_EQ(Text(c, "H2"), "物件名：市民会館 増築");
    EXPECT_EQ(Text(c, "H1"), "<absent>");
    EXPECT_EQ(Text(c, "F2"), "－７－");
}

// The closing line is composed from the failing checks and centred by the message's length.
TEST(ClosingVerdict, EveryCombinationOfFailingChecksReadsItsCentredMessage) {
    const DesignCase record = Record(OneRowOfShores); // all four checks apply
    for (unsigned failing = 0; failing < 16; ++failing) {
        CalculationResult result = Calculate(record);
        if (failing & 1)
            result.fbAllow = 0;
        if (failing & 2)
            result.deflectionLimit = -1;
        if (failing & 4)
            result.ribBearingAllow = -1;
        if (failing & 8)
            result.maxSpan = 0;
        const std::string expected =
            CentredVerdictMessage(VerdictMessage(EvaluateChecks(record, result)));
        EXPECT_EQ(Text(BuildFrom(record, result), "V2"), expected) << "failing " << failing;
    }
}

// Items view texts held by their sheet: texts longer than the sheet's storage blocks are
// kept whole, and a moved sheet still reads the same. A copy could not keep its views, so
// there is none.
TEST(SheetStorage, LongTextsAndMovedSheetsKeepEveryText) {
    static_assert(!std::is_copy_constructible_v<SheetContent>);
    static_assert(std::is_nothrow_move_constructible_v<SheetContent>);
    PrintSettings print;
    print.projectTitle = std::string(40000, 'x') + "増築";
    print.pageNumberPos = 22;
    print.pageText = "－７－";
    SheetContent original = Build(Record(OneRowOfShores), SheetTarget::kPrinter, print);
    const std::vector<SheetTextItem> before = SheetTextItems(original);
    const SheetContent moved = std::move(original);
    const std::vector<SheetTextItem> after = SheetTextItems(moved);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].label, before[i].label);
        EXPECT_EQ(after[i].text, before[i].text) << after[i].label;
        EXPECT_EQ(after[i].verdict, before[i].verdict) << after[i].label;
    }
    EXPECT_EQ(Text(moved, "H2"), "物件名：" + print.projectTitle);
    EXPECT_EQ(Text(moved, "F2"), "－７－");
    EXPECT_EQ(Text(moved, "V2"), "                                     全てクリアしています。");
}

TEST(SheetTextItems, ListTextItemsInOrderWithVerdicts) {
    const std::vector<SheetTextItem> items = SheetTextItems(Build(Record()));
    std::vector<std::string> labels;
    for (const SheetTextItem &item : items)
        labels.push_back(item.label);
    const std::vector<std::string> expected{"A1",  "A2",  "A3", "A4", "B1", "B2", "B3", "B4", "B5",
                                            "B6",  "B7",  "C1", "C2", "D1", "D2", "D3", "D4", "D5",
                                            "D6",  "D8",  "E1", "E5", "E6", "E7", "E8", "E9", "E10",
                                            "E11", "E12", "N0", "N6", "V1", "V2"};
    EXPECT_EQ(labels, expected);
    EXPECT_EQ(items[23].text, " ≦ fb/β = 188 N/mm2");
    EXPECT_EQ(items[23].verdict, "【 O.K.】");
}

} // namespace
} // namespace korvane
