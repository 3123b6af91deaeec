#include "sheet/SheetContent.h"

#include "core/Catalogue.h"
#include "core/TextCodec.h"
#include "sheet/NumberFormat.h"

#include <cmath>
#include <cstdio>

namespace korvane {

namespace {

constexpr double kYoungsModulus = 2.05; // 10⁵ N/mm², as in the deflection formula

Run Plain(std::string text, int size = 0) {
    return Run{RunKind::Plain, std::move(text), size, {}};
}

Run Scripted(RunKind kind, std::string text, int size) {
    return Run{kind, std::move(text), size, {}};
}

// A run list built by moving the runs in (an initializer list would copy each of them).
template <class... R> std::vector<Run> Runs(R &&...runs) {
    std::vector<Run> list;
    list.reserve(sizeof...(runs));
    (list.push_back(std::forward<R>(runs)), ...);
    return list;
}

Run Sub(std::string text) {
    return Scripted(RunKind::Subscript, std::move(text), 7);
}
Run Sup(std::string text, int size) {
    return Scripted(RunKind::Superscript, std::move(text), size);
}

Run Fraction(std::vector<Run> numerator, std::vector<Run> denominator, FractionAlign align,
             std::string numeratorAlign = {}, std::string denominatorAlign = {}) {
    Run run;
    run.kind = RunKind::Fraction;
    run.fraction = std::make_shared<const FractionParts>(
        FractionParts{std::move(numerator), std::move(denominator), std::move(numeratorAlign),
                      std::move(denominatorAlign), align});
    return run;
}

const char *Verdict(bool passes) {
    return passes ? kVerdictPass : kVerdictFail;
}

// Everything the item texts are decided by, worked out once.
struct Case {
    const CInputData &rec;
    const CCalcResult &res;
    CheckVerdicts verdicts;
    bool shored;
    bool betaCase;
    bool highStrength;
    bool steelBeams;
    int target;
};

class Builder {
public:
    explicit Builder(const Case &c) : m_c(c) {}

    void Add(std::string label, std::vector<Run> runs, std::string verdict = {}) {
        m_items.push_back(SheetItem{std::move(label), std::move(runs), std::move(verdict)});
    }
    std::vector<SheetItem> Take() { return std::move(m_items); }
    void Reserve(size_t n) { m_items.reserve(n); }

    void Header(const PrintSettings &print);
    void BlockA();
    void BlockB();
    void BlockCD();
    void Bearing();
    void Bending();
    void Deflection();
    void MaximumSpan();
    void Notes();
    void Closing(const PrintSettings &print, const std::string &dateText);

private:
    const Case &m_c;
    std::vector<SheetItem> m_items;
};

std::string CoatingText(int coatingCode) {
    if (coatingCode >= 0 && coatingCode <= 3)
        return " (" + CoatingName(coatingCode) + ")";
    return "";
}

std::string ClassLine(int alphaClass) {
    switch (alphaClass) {
    case code::kClassSteel:
        return "鉄骨造";
    case code::kClass1:
        return "RC造･SRC造 / Ⅰ類 [α＝1.0]";
    case code::kClass2:
        return "RC造･SRC造 / Ⅱ類 [α＝1.25]";
    default:
        return "RC造･SRC造 / Ⅲ類 [α＝1.5]";
    }
}

std::string ClassNoteText(int alphaClass) {
    if (alphaClass == code::kClass2)
        return "Ⅱ類[α＝1.25]";
    if (alphaClass == code::kClassSteel || alphaClass == code::kClass1)
        return "";
    return "Ⅲ類[α＝1.5]";
}

bool TitleIsPlaceholder(const std::string &title) {
    return title == kTitlePlaceholder;
}

void Builder::Header(const PrintSettings &print) {
    if (print.pageNumberPos >= 1 && print.pageNumberPos <= 19)
        Add("H1", Runs(Plain(print.pageText)));
    if (!TitleIsPlaceholder(print.projectTitle))
        Add("H2", Runs(Plain("物件名：" + print.projectTitle, 13)));
    Add("H3", Runs(Plain("フラットデッキ構造計算", 13)));
}

void Builder::BlockA() {
    const CCalcResult &r = m_c.res;
    Add("A1", Runs(Plain("□床の概要／使用材料")));
    const std::string unit = r.plateThickness == 1.0 ? ".0 mm" : " mm";
    Add("A2", Runs(Plain("デッキプレート: " + r.deckLabel + CoatingText(m_c.rec.coatingCode) +
                         "  t =" + FormatGeneral(r.plateThickness) + unit)));
    const std::string shoring = m_c.shored ? "支保工有り" : "支保工無し(Ｌw=Ｌ)";
    Add("A3", Runs(Plain("ス　パ　ン Ｌ : " + FormatGeneral(r.span / 100) + "ｍ　" + "[ " +
                         shoring + " ]")));
    const bool light = m_c.rec.concreteKind == code::kConcreteLight1 ||
                       m_c.rec.concreteKind == code::kConcreteLight2;
    Add("A4", Runs(Plain(std::string("コンクリート : ") + (light ? "軽量" : "普通")),
                   Plain("ρ=" + FormatGeneral(RoundHalfUp3(r.concreteDensity)) + " " + "kN/m"),
                   Sup("3", 6), Plain("   S=" + std::to_string(r.concreteThickness) + "mm")));
}

void Builder::BlockB() {
    const CCalcResult &r = m_c.res;
    Add("B1", Runs(Plain(FormatPrintf("□デッキプレートの断面性能と許容応力度 (C=%3.1f)",
                                      r.deflectionCoef))));
    Add("B2", Runs(Plain("重　　   量 : " + FormatPattern(RoundHalfUp4(r.deckWeight), "###.#") +
                         "N/㎡")));
    Add("B3", Runs(Plain("断 面 係 数Zt : " + FormatPattern(r.sectionModulus, "###.#") + " x10"),
                   Sup("3", 6), Plain(" mm"), Sup("3", 6), Plain("/m")));
    Add("B4", Runs(Plain("許容応力度  : ｆb = "), Plain(FormatGeneral(r.fb) + " " + "N/mm"),
                   Sup("2", 6)));
    Add("B5", Runs(Plain("断面二次モーメントI : " + FormatPattern(r.inertia, "###.#") + " x10"),
                   Sup("4", 6), Plain(" mm"), Sup("4", 6), Plain("/m")));
    if (m_c.betaCase) {
        Add("B6", Runs(Plain(FormatPrintf("低減係数β=%4.2f", r.beta))));
        Add("B7", Runs(Plain(FormatPrintf("Lmax=%4dmm", static_cast<int>(r.maxSpan)))));
    }
    if (m_c.shored)
        Add("B8", Runs(Plain("デッキリブ許容支圧荷重: " +
                             FormatPattern(r.ribBearingAllow, "######") + " " + "N" + "/m")));
}

void Builder::BlockCD() {
    const CCalcResult &r = m_c.res;
    Add("C1", Runs(Plain("□支持梁/施工状況")));
    Add("C2", Runs(Plain(ClassLine(m_c.rec.alphaClass))));
    Add("D1", Runs(Plain("□施工時荷重の計算")));
    Add("D2",
        Runs(Plain("鉄筋コンクリート " + FormatGeneral(r.concreteDensity * 1000) + "x" +
                   FormatGeneral(r.concreteThickness / 1000.0) + "= " +
                   FormatGeneral(r.concreteDensity * 10 * r.concreteThickness / 10) + "N/㎡")));
    Add("D3", Runs(Plain("}→", 16)));
    Add("D4", Runs(Plain("固定荷重 Ｗ"), Sub("DL"), Plain(" : "),
                   Plain(Pad6(FormatPattern(r.deadLoad, "#####")) + " " + "N/㎡")));
    Add("D5", Runs(Plain("デッキプレート       　　　        "),
                   Plain(FormatGeneral(RoundHalfUp3(r.deckWeight)) + "N/㎡")));
    const std::string workLabel =
        m_c.rec.otherLoadValue != 0 ? "作業荷重＋その他荷重 Ｗ" : "作業荷重 Ｗ";
    Add("D6",
        Runs(Plain(workLabel), Sub("WL"), Plain(" : "),
             Plain(Pad6(FormatPattern(CeilToDigits(0, r.workLoad), "#####")) + " " + "N" + "/㎡")));
    Add("D7", Runs());
    Add("D8", Runs(Sub("W"), Plain("Ｗ"), Sub("TL"), Plain(" : "),
                   Plain(Pad6(FormatPattern(r.totalLoad, "#####")) + " " + "N" + "/㎡")));
}

void Builder::Bearing() {
    const CCalcResult &r = m_c.res;
    Add("E2", Runs(Plain(m_c.rec.shoringCode == code::kShoringOneRow
                             ? "支保工使用のため，スパンを1/2(Ｌw=Ｌ/2)として計算します。"
                             : "支保工使用のため，スパンを1/3(Ｌw=Ｌ/3)として計算します。")));
    Add("E3", Runs(Plain("1)デッキリブの支圧荷重")));
    const bool passes = m_c.verdicts.ribBearing.passes;
    Add("E4",
        Runs(Plain("Ｐ＝ wＷ"), Sub("TL"),
             Plain("･Ｌw＝ " + FormatGeneral(CeilToDigits(0, r.totalLoad)) + "x" +
                   FormatGeneral(r.effectiveSpan / 100) + "＝" +
                   FormatGeneral(CeilToDigits(0, r.ribBearingLoad))),
             Plain(std::string(passes ? " ≦ " : " ＞ ") +
                   FormatPattern(r.ribBearingAllow, "######") + " " + "N" + "/m")),
        Verdict(passes));
}

void Builder::Bending() {
    const CCalcResult &r = m_c.res;
    Add("E5", Runs(Plain(m_c.shored ? "2)正曲げ応力度" : "1)正曲げ応力度")));
    const std::string load = FormatGeneral(CeilToDigits(0, r.totalLoad));
    const std::string span = FormatGeneral(r.effectiveSpan / 100);
    const std::string numerator2 = " " + load + "×" + span;
    const std::string denominator2 = " 8x" + FormatGeneral(r.sectionModulus) + " ";
    const double s = m_c.verdicts.bendingStress;
    Add("E6",
        Runs(Plain("σ＝ "),
             Fraction(Runs(Plain("wＷ"), Sub("TL"), Plain("･Ｌw"), Sup("2", 6), Plain("･10"),
                           Scripted(RunKind::HighSuperscript, "3", 7),
                           Scripted(RunKind::Baseline, " ", 0)),
                      Runs(Plain("8xＺt")), FractionAlign::ShiftShorter, "wＷTL･Ｌw ･10 ", "8xＺt"),
             Plain("＝"),
             Fraction(Runs(Plain(numerator2), Sup("2", 6), Plain(" ")), Runs(Plain(denominator2)),
                      FractionAlign::ShiftShorter, numerator2 + "　", denominator2),
             Plain("×"),
             Fraction(Runs(Plain(" 10"), Sup("3", 6), Plain(" ")),
                      Runs(Plain(" 10"), Sup("3", 6), Plain(" ")), FractionAlign::None),
             Plain("＝" + FormatGeneral(s) + " ")));

    const bool passes = m_c.verdicts.bending.passes;
    std::string label;
    if (m_c.steelBeams)
        label = m_c.betaCase ? "fb/β = " : "fb = ";
    else
        label = m_c.betaCase ? "fb/(α×β) = " : "fb/α = ";
    label = (passes ? " ≦ " : " ＞ ") + label;
    std::string value = FormatGeneral(r.fbAllow);
    if (!m_c.steelBeams)
        value = FormatGeneral(r.fb) + "/" + FormatGeneral(r.alpha * r.beta) + "＝" + value;
    Add("E7", Runs(Plain(label + value + " " + "N/mm"), Sup("2", 6)), Verdict(passes));
}

void Builder::Deflection() {
    const CCalcResult &r = m_c.res;
    Add("E8", Runs(Plain(m_c.shored ? "3)たわみ" : "2)たわみ")));
    const std::string numerator2 = " 5×" + FormatGeneral(CeilToDigits(0, r.totalLoad)) + "×" +
                                   FormatGeneral(r.effectiveSpan / 100);
    const std::string denominatorHead = " 384×" + FormatGeneral(kYoungsModulus) + "×10";
    const std::string denominatorTail = "×" + FormatGeneral(r.inertia) + " ";
    const std::string result =
        r.deflection < 0.001 ? " ≒ 0" : "＝ " + FormatGeneral(std::floor(r.deflection * 100) / 100);
    Add("E9", Runs(Plain("δmax＝Ｃ"),
                   Fraction(Runs(Plain(" 5wＷ"), Sub("TL"), Plain("･Ｌw"), Sup("4", 7),
                                 Plain("･10"), Scripted(RunKind::HighSuperscript, "9", 7)),
                            Runs(Plain("       384Ｅ･Ｉ")), FractionAlign::None),
                   Plain(FormatPrintf("＝%3.1f ", r.deflectionCoef)),
                   Fraction(Runs(Plain(numerator2), Sup("4", 7)),
                            Runs(Plain(denominatorHead), Scripted(RunKind::FlatSuperscript, "5", 7),
                                 Plain(denominatorTail)),
                            FractionAlign::Centre, numerator2, denominatorHead + denominatorTail),
                   Plain("×"),
                   Fraction(Runs(Plain(" 10"), Sup("9", 6), Plain(" ")),
                            Runs(Plain(" 10"), Sup("4", 6), Plain(" ")), FractionAlign::None),
                   Plain(result)));
    const bool passes = m_c.verdicts.deflection.passes;
    Add("E10",
        Runs(Plain(std::string(passes ? " ≦ " : " ＞ ") + "1000･Ｌw/180 + 5 =" +
                   FormatPattern(std::floor(r.deflectionLimit * 100) / 100, "#0.##") + " mm")),
        Verdict(passes));
}

void Builder::MaximumSpan() {
    const CCalcResult &r = m_c.res;
    Add("E11", Runs(Plain(FormatPrintf("%d)0.7mmデッキ最大スパン", m_c.shored ? 4 : 3))));
    const double span = r.effectiveSpan * 10;
    const bool passes = m_c.verdicts.maxSpan.passes;
    char buf[160];
    std::snprintf(buf, sizeof buf, "スパンL＝%g %s Lmax=%dmm", span, passes ? "≦" : "＞",
                  static_cast<int>(r.maxSpan));
    Add("E12", Runs(Plain(buf)), Verdict(passes));
}

void Builder::Notes() {
    const CCalcResult &r = m_c.res;
    const char *guideline = "｢床型枠用鋼製デッキプレート設計･施工指針｣";
    Add("N0", Runs(Plain("注意：")));
    if (r.deckDepth == 100)
        Add("N1", Runs(Plain(std::string("・H100タイプは") + guideline +
                             "の適用外ですが、準拠して計算します。")));
    if (m_c.highStrength) {
        const std::string head =
            std::string("・") + guideline + "に準拠して検討しますが、PX75Vαデッキの場合は、";
        if (m_c.target == kTargetPrinter) {
            Add("N2", Runs(Plain(head + "上部枠内記載のように")));
            Add("N2", Runs(Plain("  許容応力度及び断面性能値が異なります。")));
        } else {
            Add("N2", Runs(Plain(head)));
            Add("N2", Runs(Plain("  上部枠内記載のように 許容応力度及び断面性能値が異なります。")));
        }
    }
    if (r.outsideGuideline == 1)
        Add("N3", Runs(Plain("・板厚" + FormatGeneral(r.plateThickness) + "mm－" +
                             ClassNoteText(m_c.rec.alphaClass) + " は" + guideline +
                             "の適用外の組合せです。")));
    if (r.concreteThickness > 300)
        Add("N4",
            Runs(Plain("・コンクリート厚さS=" + std::to_string(r.concreteThickness) +
                       "mmは標準仕様範囲外です。計算結果がOKの場合も別途弊社へご相談ください。")));
    if (r.span > 300)
        Add("N5",
            Runs(Plain(
                "・スパン" + FormatGeneral(r.span * 10) +
                "mmは判定の如何に関わらず、梁の構造上中間支保工を必要とする場合があります。")));
    Add("N6",
        Runs(Plain("・全ての計算は、入力値も含め上記記載通りの有効数字を用いて行っています。")));
}

void Builder::Closing(const PrintSettings &print, const std::string &dateText) {
    Add("V1", Runs(Plain("《 判　　定 》")));
    Add("V2", Runs(Plain(CentredVerdictMessage(VerdictMessage(m_c.verdicts)))));
    if (m_c.target != kTargetPrinter)
        return;
    Add("F1", Runs(Plain("Ａｒｖｅｌ株式会社 [" + dateText + "]")));
    if (print.pageNumberPos >= 20)
        Add("F2", Runs(Plain(print.pageText)));
}

void JoinInto(const std::vector<Run> &runs, std::string &out) {
    for (const Run &run : runs) {
        if (run.kind == RunKind::Fraction) {
            JoinInto(run.fraction->numerator, out);
            JoinInto(run.fraction->denominator, out);
        } else {
            out += run.text;
        }
    }
}

} // namespace

const SheetItem *SheetContent::Find(const std::string &label) const {
    for (const SheetItem &item : items)
        if (item.label == label)
            return &item;
    return nullptr;
}

std::string VerdictMessage(const CheckVerdicts &v) {
    std::vector<std::string> failing;
    if (!v.bending.passes)
        failing.push_back("正曲げ応力度");
    if (!v.deflection.passes)
        failing.push_back("たわみ");
    if (v.ribBearing.applies && !v.ribBearing.passes)
        failing.push_back("支圧荷重");
    if (v.maxSpan.applies && !v.maxSpan.passes)
        failing.push_back("スパン");
    switch (failing.size()) {
    case 0:
        return "全てクリアしています。";
    case 1:
        return "「" + failing[0] + "」がアウトになります。設定を変えて下さい。";
    case 2:
        return "「" + failing[0] + "」と「" + failing[1] +
               "」がアウトになります。設定を変えて下さい。";
    case 3:
        return "「" + failing[0] + "」「" + failing[1] + "」「" + failing[2] +
               "」がアウトになります。設定を変えて下さい。";
    default:
        return "全てアウトです。設定を変えて下さい。";
    }
}

std::string CentredVerdictMessage(const std::string &message) {
    const double length = static_cast<double>(Cp932ByteLength(message));
    if (length >= 80)
        return message;
    const int spaces = static_cast<int>((80 - length) * 1.3 / 2);
    return std::string(static_cast<size_t>(spaces), ' ') + message;
}

std::string JoinRuns(const std::vector<Run> &runs) {
    std::string out;
    JoinInto(runs, out);
    return out;
}

std::vector<SheetTextItem> SheetTextItems(const SheetContent &content) {
    std::vector<SheetTextItem> out;
    for (const SheetItem &item : content.items)
        if (!item.runs.empty())
            out.push_back(SheetTextItem{item.label, JoinRuns(item.runs), item.verdict});
    return out;
}

SheetContent BuildSheetContent(const SheetInputs &in) {
    const CInputData &rec = in.record;
    Case c{rec,
           in.result,
           EvaluateChecks(rec, in.result),
           rec.shoringCode != code::kShoringNone,
           rec.deckFamily == code::kFamilyRidge && rec.thicknessCode == code::kThickness07,
           rec.deckFamily == code::kFamilyPx && rec.deckModel == code::kModelPx75Valpha,
           rec.alphaClass == code::kClassSteel,
           in.target};
    Builder b(c);
    b.Reserve(64);
    if (in.target == kTargetPrinter)
        b.Header(in.print);
    b.BlockA();
    b.BlockB();
    b.BlockCD();
    b.Add("E1", Runs(Plain("□施工時におけるデッキプレートの検討")));
    if (c.shored)
        b.Bearing();
    b.Bending();
    b.Deflection();
    if (c.betaCase)
        b.MaximumSpan();
    b.Notes();
    b.Closing(in.print, in.dateText);

    SheetContent content;
    content.items = b.Take();
    content.shored = c.shored;
    content.betaCase = c.betaCase;
    content.highStrength = c.highStrength;
    content.steelBeams = c.steelBeams;
    content.target = in.target;
    content.pageNumberPos = in.print.pageNumberPos;
    return content;
}

} // namespace korvane
