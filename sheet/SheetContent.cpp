#include "sheet/SheetContent.h"

#include "core/Catalogue.h"
#include "core/TextCodec.h"
#include "sheet/NumberFormat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>

namespace korvane {

void *SheetMemory::Allocate(std::size_t size, std::size_t alignment) {
    const auto address = reinterpret_cast<std::uintptr_t>(m_next);
    // The bytes up to the next multiple of `alignment`, a power of two: a mask, not a division.
    const std::size_t padding = (0 - address) & (alignment - 1);
    if (padding + size <= static_cast<std::size_t>(m_end - m_next)) {
        std::byte *piece = m_next + padding;
        m_next = piece + size;
        return piece;
    }
    // A new block, aligned as operator new[] aligns (enough for every piece's type).
    const std::size_t blockSize = std::max(size, kBlockSize);
    m_moreBlocks.emplace_back(new std::byte[blockSize]); // left uninitialised, as the first
    std::byte *block = m_moreBlocks.back().get();
    m_next = block + size;
    m_end = block + blockSize;
    return block;
}

namespace {

// A text a run may view: a literal, which lives as long as the program, or a text the
// sheet content holds. A std::string cannot become one, so no run views a temporary.
class Held {
public:
    consteval Held(const char *literal) : m_text(literal) {}
    static Held Stored(std::string_view text) { return Held(text, 0); }
    std::string_view Text() const { return m_text; }

private:
    Held(std::string_view text, int) : m_text(text) {}
    std::string_view m_text;
};

// The closing verdict message, handed to `append` piece by piece: the failing checks are
// named, bending first.
template <class Append> void ComposeVerdictMessage(const CheckVerdicts &v, Append append) {
    const char *failing[4];
    size_t count = 0;
    if (!v.bending.passes)
        failing[count++] = "正曲げ応力度";
    if (!v.deflection.passes)
        failing[count++] = "たわみ";
    if (v.ribBearing.applies && !v.ribBearing.passes)
        failing[count++] = "支圧荷重";
    if (v.maxSpan.applies && !v.maxSpan.passes)
        failing[count++] = "スパン";
    switch (count) {
    case 0:
        append("全てクリアしています。");
        return;
    case 1:
        append("「");
        append(failing[0]);
        break;
    case 2:
        append("「");
        append(failing[0]);
        append("」と「");
        append(failing[1]);
        break;
    case 3:
        append("「");
        append(failing[0]);
        append("」「");
        append(failing[1]);
        append("」「");
        append(failing[2]);
        break;
    default:
        append("全てアウトです。設定を変えて下さい。");
        return;
    }
    append("」がアウトになります。設定を変えて下さい。");
}

// The spaces that centre the message on the sheet's 80-byte line.
int CentringSpaces(std::string_view message) {
    const double length = static_cast<double>(Cp932ByteLength(message));
    if (length >= 80)
        return 0;
    return static_cast<int>((80 - length) * 1.3 / 2);
}

Held Verdict(bool passes) {
    return passes ? Held(kVerdictPass) : Held(kVerdictFail);
}

// Everything the item texts are decided by, worked out once.
struct Case {
    const DesignCase &rec;
    const CalculationResult &res;
    CheckVerdicts verdicts;
    bool shored;
    bool betaCase;
    bool highStrength;
    bool steelBeams;
    SheetTarget target;
    // The load and the span that several formulas write alike.
    std::string totalLoadText; // rounded up to whole newtons
    std::string spanText;      // Lw in metres
};

class Builder {
public:
    Builder(const Case &c, SheetContent &content)
        : m_c(c), m_items(content.items), m_memory(*content.memory) {}

    template <size_t N>
    void Add(const char (&label)[N], std::span<const Run> runs, Held verdict = "") {
        m_items.push_back(SheetItem{std::string(label, N - 1), runs, std::string(verdict.Text())});
    }

    void Header(const PrintSettings &print);
    void BlockA();
    void BlockB();
    void BlockCD();
    void Heading();
    void Bearing();
    void Bending();
    void Deflection();
    void MaximumSpan();
    void Notes();
    void Closing(const PrintSettings &print, const std::string &dateText);

private:
    const Case &m_c;
    std::vector<SheetItem> &m_items;
    SheetMemory &m_memory;

    // Room for `count` objects, which need no destruction, in the content's memory.
    template <class T> T *Allocate(size_t count) {
        static_assert(std::is_trivially_destructible_v<T>);
        return static_cast<T *>(m_memory.Allocate(sizeof(T) * count, alignof(T)));
    }

    // One text composed of its pieces, kept in the content's memory.
    template <class... P> Held Cat(const P &...pieces) {
        const std::string_view parts[] = {Piece(pieces)...};
        size_t length = 0;
        for (const std::string_view part : parts)
            length += part.size();
        char *text = Allocate<char>(length);
        char *end = text;
        for (const std::string_view part : parts)
            end = std::copy(part.begin(), part.end(), end);
        return Held::Stored(std::string_view(text, length));
    }
    static std::string_view Piece(std::string_view text) { return text; }

    static Run Plain(Held text, int size = 0) {
        return Run{RunKind::Plain, text.Text(), size, nullptr};
    }
    static Run Scripted(RunKind kind, Held text, int size) {
        return Run{kind, text.Text(), size, nullptr};
    }
    static Run Sub(Held text) { return Scripted(RunKind::Subscript, text, 7); }
    static Run Sup(Held text, int size) { return Scripted(RunKind::Superscript, text, size); }

    template <class... R> std::span<const Run> Runs(const R &...runs) {
        if constexpr (sizeof...(runs) == 0) {
            return {};
        } else {
            const Run list[] = {runs...};
            Run *kept = Allocate<Run>(sizeof...(runs));
            std::uninitialized_copy(std::begin(list), std::end(list), kept);
            return {kept, sizeof...(runs)};
        }
    }

    Run Fraction(std::span<const Run> numerator, std::span<const Run> denominator,
                 FractionAlign align, Held numeratorAlign = "", Held denominatorAlign = "") {
        FractionParts *parts = new (Allocate<FractionParts>(1)) FractionParts{
            numerator, denominator, numeratorAlign.Text(), denominatorAlign.Text(), align};
        return Run{RunKind::Fraction, {}, 0, parts};
    }

    Held VerdictLine();
};

std::string CoatingText(int coatingCode) {
    if (coatingCode >= 0 && coatingCode <= 3)
        return " (" + CoatingName(coatingCode) + ")";
    return "";
}

Held ClassLine(int alphaClass) {
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

const char *ClassNoteText(int alphaClass) {
    if (alphaClass == code::kClass2)
        return "Ⅱ類[α＝1.25]";
    if (alphaClass == code::kClassSteel || alphaClass == code::kClass1)
        return "";
    return "Ⅲ類[α＝1.5]";
}

void Builder::Header(const PrintSettings &print) {
    if (PageNumberPlaceOf(print.pageNumberPos) == PageNumberPlace::head)
        Add("H1", Runs(Plain(Cat(print.pageText))));
    if (PrintsTitleLine(print.projectTitle))
        Add("H2", Runs(Plain(Cat("物件名：", print.projectTitle), 13)));
    Add("H3", Runs(Plain("フラットデッキ構造計算", 13)));
}

void Builder::BlockA() {
    const CalculationResult &r = m_c.res;
    Add("A1", Runs(Plain("□床の概要／使用材料")));
    const char *unit = r.plateThickness == 1.0 ? ".0 mm" : " mm";
    Add("A2", Runs(Plain(Cat("デッキプレート: ", r.deckLabel, CoatingText(m_c.rec.coatingCode),
                             "  t =", GeneralText(r.plateThickness), unit))));
    const char *shoring = m_c.shored ? "支保工有り" : "支保工無し(Ｌw=Ｌ)";
    Add("A3", Runs(Plain(Cat("ス　パ　ン Ｌ : ", GeneralText(r.span / 100), "ｍ　", "[ ", shoring,
                             " ]"))));
    const bool light = m_c.rec.concreteKind == code::kConcreteLight1 ||
                       m_c.rec.concreteKind == code::kConcreteLight2;
    Add("A4", Runs(Plain(light ? Held("コンクリート : 軽量") : Held("コンクリート : 普通")),
                   Plain(Cat("ρ=", GeneralText(RoundHalfUp3(r.concreteDensity)), " kN/m")),
                   Sup("3", 6), Plain(Cat("   S=", std::to_string(r.concreteThickness), "mm"))));
}

void Builder::BlockB() {
    const CalculationResult &r = m_c.res;
    Add("B1", Runs(Plain(Cat("□デッキプレートの断面性能と許容応力度 (C=",
                             FixedText(r.deflectionCoef, 1, 3), ")"))));
    Add("B2", Runs(Plain(Cat("重　　   量 : ", PatternText(RoundHalfUp4(r.deckWeight), "###.#"),
                             "N/㎡"))));
    Add("B3", Runs(Plain(Cat("断 面 係 数Zt : ", PatternText(r.sectionModulus, "###.#"), " x10")),
                   Sup("3", 6), Plain(" mm"), Sup("3", 6), Plain("/m")));
    Add("B4",
        Runs(Plain("許容応力度  : ｆb = "), Plain(Cat(GeneralText(r.fb), " N/mm")), Sup("2", 6)));
    Add("B5", Runs(Plain(Cat("断面二次モーメントI : ", PatternText(r.inertia, "###.#"), " x10")),
                   Sup("4", 6), Plain(" mm"), Sup("4", 6), Plain("/m")));
    if (m_c.betaCase) {
        Add("B6", Runs(Plain(Cat("低減係数β=", FixedText(r.beta, 2, 4)))));
        Add("B7", Runs(Plain(Cat("Lmax=", IntText(static_cast<int>(r.maxSpan), 4), "mm"))));
    }
    if (m_c.shored)
        Add("B8", Runs(Plain(Cat("デッキリブ許容支圧荷重: ",
                                 PatternText(r.ribBearingAllow, "######"), " N/m"))));
}

void Builder::BlockCD() {
    const CalculationResult &r = m_c.res;
    Add("C1", Runs(Plain("□支持梁/施工状況")));
    Add("C2", Runs(Plain(ClassLine(m_c.rec.alphaClass))));
    Add("D1", Runs(Plain("□施工時荷重の計算")));
    Add("D2",
        Runs(Plain(Cat("鉄筋コンクリート ", GeneralText(r.concreteDensity * 1000), "x",
                       GeneralText(r.concreteThickness / 1000.0), "= ",
                       GeneralText(r.concreteDensity * 10 * r.concreteThickness / 10), "N/㎡"))));
    Add("D3", Runs(Plain("}→", 16)));
    Add("D4", Runs(Plain("固定荷重 Ｗ"), Sub("DL"), Plain(" : "),
                   Plain(Cat(Pad6(PatternText(r.deadLoad, "#####")), " N/㎡"))));
    Add("D5", Runs(Plain("デッキプレート       　　　        "),
                   Plain(Cat(GeneralText(RoundHalfUp3(r.deckWeight)), "N/㎡"))));
    const Held workLabel =
        m_c.rec.otherLoadValue != 0 ? Held("作業荷重＋その他荷重 Ｗ") : Held("作業荷重 Ｗ");
    Add("D6",
        Runs(Plain(workLabel), Sub("WL"), Plain(" : "),
             Plain(Cat(Pad6(PatternText(CeilToDigits(CeilDigits::kIntegerDigitsPlusOne, r.workLoad),
                                        "#####")),
                       " N/㎡"))));
    Add("D7", Runs());
    Add("D8", Runs(Sub("W"), Plain("Ｗ"), Sub("TL"), Plain(" : "),
                   Plain(Cat(Pad6(PatternText(r.totalLoad, "#####")), " N/㎡"))));
}

void Builder::Heading() {
    Add("E1", Runs(Plain("□施工時におけるデッキプレートの検討")));
}

void Builder::Bearing() {
    const CalculationResult &r = m_c.res;
    Add("E2", Runs(Plain(m_c.rec.shoringCode == code::kShoringOneRow
                             ? Held("支保工使用のため，スパンを1/2(Ｌw=Ｌ/2)として計算します。")
                             : Held("支保工使用のため，スパンを1/3(Ｌw=Ｌ/3)として計算します。"))));
    Add("E3", Runs(Plain("1)デッキリブの支圧荷重")));
    const bool passes = m_c.verdicts.ribBearing.passes;
    Add("E4",
        Runs(Plain("Ｐ＝ wＷ"), Sub("TL"),
             Plain(Cat(
                 "･Ｌw＝ ", m_c.totalLoadText, "x", m_c.spanText, "＝",
                 GeneralText(CeilToDigits(CeilDigits::kIntegerDigitsPlusOne, r.ribBearingLoad)))),
             Plain(Cat(passes ? " ≦ " : " ＞ ", PatternText(r.ribBearingAllow, "######"), " N/m"))),
        Verdict(passes));
}

void Builder::Bending() {
    const CalculationResult &r = m_c.res;
    Add("E5", Runs(Plain(m_c.shored ? Held("2)正曲げ応力度") : Held("1)正曲げ応力度"))));
    const Held numerator2 = Cat(" ", m_c.totalLoadText, "×", m_c.spanText);
    const Held denominator2 = Cat(" 8x", GeneralText(r.sectionModulus), " ");
    const double s = m_c.verdicts.bendingStress;
    Add("E6",
        Runs(Plain("σ＝ "),
             Fraction(Runs(Plain("wＷ"), Sub("TL"), Plain("･Ｌw"), Sup("2", 6), Plain("･10"),
                           Scripted(RunKind::HighSuperscript, "3", 7),
                           Scripted(RunKind::Baseline, " ", 0)),
                      Runs(Plain("8xＺt")), FractionAlign::ShiftShorter, "wＷTL･Ｌw ･10 ", "8xＺt"),
             Plain("＝"),
             Fraction(Runs(Plain(numerator2), Sup("2", 6), Plain(" ")), Runs(Plain(denominator2)),
                      FractionAlign::ShiftShorter, Cat(numerator2.Text(), "　"), denominator2),
             Plain("×"),
             Fraction(Runs(Plain(" 10"), Sup("3", 6), Plain(" ")),
                      Runs(Plain(" 10"), Sup("3", 6), Plain(" ")), FractionAlign::None),
             Plain(Cat("＝", GeneralText(s), " "))));

    const bool passes = m_c.verdicts.bending.passes;
    const char *label;
    if (m_c.steelBeams)
        label = m_c.betaCase ? "fb/β = " : "fb = ";
    else
        label = m_c.betaCase ? "fb/(α×β) = " : "fb/α = ";
    std::string allowed = passes ? " ≦ " : " ＞ ";
    allowed += label;
    if (!m_c.steelBeams) {
        allowed += GeneralText(r.fb);
        allowed += "/";
        allowed += GeneralText(r.alpha * r.beta);
        allowed += "＝";
    }
    allowed += GeneralText(r.fbAllow);
    allowed += " N/mm";
    Add("E7", Runs(Plain(Cat(allowed)), Sup("2", 6)), Verdict(passes));
}

void Builder::Deflection() {
    const CalculationResult &r = m_c.res;
    Add("E8", Runs(Plain(m_c.shored ? Held("3)たわみ") : Held("2)たわみ"))));
    const Held numerator2 = Cat(" 5×", m_c.totalLoadText, "×", m_c.spanText);
    const Held denominatorHead = Cat(" 384×", GeneralText(kYoungsModulus), "×10");
    const Held denominatorTail = Cat("×", GeneralText(r.inertia), " ");
    const Held result = r.deflection < 0.001
                            ? Held(" ≒ 0")
                            : Cat("＝ ", GeneralText(std::floor(r.deflection * 100) / 100));
    Add("E9", Runs(Plain("δmax＝Ｃ"),
                   Fraction(Runs(Plain(" 5wＷ"), Sub("TL"), Plain("･Ｌw"), Sup("4", 7),
                                 Plain("･10"), Scripted(RunKind::HighSuperscript, "9", 7)),
                            Runs(Plain("       384Ｅ･Ｉ")), FractionAlign::None),
                   Plain(Cat("＝", FixedText(r.deflectionCoef, 1, 3), " ")),
                   Fraction(Runs(Plain(numerator2), Sup("4", 7)),
                            Runs(Plain(denominatorHead), Scripted(RunKind::FlatSuperscript, "5", 7),
                                 Plain(denominatorTail)),
                            FractionAlign::Centre, numerator2,
                            Cat(denominatorHead.Text(), denominatorTail.Text())),
                   Plain("×"),
                   Fraction(Runs(Plain(" 10"), Sup("9", 6), Plain(" ")),
                            Runs(Plain(" 10"), Sup("4", 6), Plain(" ")), FractionAlign::None),
                   Plain(result)));
    const bool passes = m_c.verdicts.deflection.passes;
    Add("E10",
        Runs(Plain(Cat(passes ? " ≦ " : " ＞ ", "1000･Ｌw/180 + 5 =",
                       PatternText(std::floor(r.deflectionLimit * 100) / 100, "#0.##"), " mm"))),
        Verdict(passes));
}

void Builder::MaximumSpan() {
    const CalculationResult &r = m_c.res;
    Add("E11", Runs(Plain(m_c.shored ? Held("4)0.7mmデッキ最大スパン")
                                     : Held("3)0.7mmデッキ最大スパン"))));
    const double span = r.effectiveSpan * 10;
    const bool passes = m_c.verdicts.maxSpan.passes;
    Add("E12",
        Runs(Plain(Cat("スパンL＝", ShortestText(span), passes ? " ≦" : " ＞",
                       " Lmax=", std::to_string(static_cast<int>(r.maxSpan)), "mm"))),
        Verdict(passes));
}

void Builder::Notes() {
    const CalculationResult &r = m_c.res;
    const char *guideline = "｢床型枠用鋼製デッキプレート設計･施工指針｣";
    Add("N0", Runs(Plain("注意：")));
    if (r.deckDepth == 100)
        Add("N1",
            Runs(Plain(Cat("・H100タイプは", guideline, "の適用外ですが、準拠して計算します。"))));
    if (m_c.highStrength) {
        const Held head = Cat("・", guideline, "に準拠して検討しますが、PX75Vαデッキの場合は、");
        if (m_c.target == SheetTarget::kPrinter) {
            Add("N2", Runs(Plain(Cat(head.Text(), "上部枠内記載のように"))));
            Add("N2", Runs(Plain("  許容応力度及び断面性能値が異なります。")));
        } else {
            Add("N2", Runs(Plain(head)));
            Add("N2", Runs(Plain("  上部枠内記載のように 許容応力度及び断面性能値が異なります。")));
        }
    }
    if (r.outsideGuideline == 1)
        Add("N3", Runs(Plain(Cat("・板厚", GeneralText(r.plateThickness), "mm－",
                                 ClassNoteText(m_c.rec.alphaClass), " は", guideline,
                                 "の適用外の組合せです。"))));
    if (r.concreteThickness > 300)
        Add("N4", Runs(Plain(Cat("・コンクリート厚さS=", std::to_string(r.concreteThickness),
                                 "mmは標準仕様範囲外です。計算結果がOKの場合も別途弊社へご相談"
                                 "ください。"))));
    if (r.span > 300)
        Add("N5", Runs(Plain(Cat("・スパン", GeneralText(r.span * 10),
                                 "mmは判定の如何に関わらず、梁の構造上中間支保工を必要とする場合"
                                 "があります。"))));
    Add("N6",
        Runs(Plain("・全ての計算は、入力値も含め上記記載通りの有効数字を用いて行っています。")));
}

// The message depends only on which checks fail: its centring spaces are counted once for
// each of the 16 combinations rather than by converting the text on every sheet.
int VerdictSpaces(const CheckVerdicts &v) {
    static const std::array<int, 16> spaces = [] {
        std::array<int, 16> table{};
        for (unsigned failing = 0; failing < 16; ++failing) {
            CheckVerdicts c;
            c.bending.passes = !(failing & 1);
            c.deflection.passes = !(failing & 2);
            c.ribBearing.applies = c.maxSpan.applies = true;
            c.ribBearing.passes = !(failing & 4);
            c.maxSpan.passes = !(failing & 8);
            table[failing] = CentringSpaces(VerdictMessage(c));
        }
        return table;
    }();
    const unsigned failing = (v.bending.passes ? 0 : 1) | (v.deflection.passes ? 0 : 2) |
                             (v.ribBearing.applies && !v.ribBearing.passes ? 4 : 0) |
                             (v.maxSpan.applies && !v.maxSpan.passes ? 8 : 0);
    return spaces[failing];
}

// The closing verdict message, centred.
Held Builder::VerdictLine() {
    std::string line(static_cast<size_t>(VerdictSpaces(m_c.verdicts)), ' ');
    ComposeVerdictMessage(m_c.verdicts, [&line](std::string_view piece) { line += piece; });
    return Cat(line);
}

void Builder::Closing(const PrintSettings &print, const std::string &dateText) {
    Add("V1", Runs(Plain("《 判　　定 》")));
    Add("V2", Runs(Plain(VerdictLine())));
    if (m_c.target != SheetTarget::kPrinter)
        return;
    Add("F1", Runs(Plain(Cat("Ａｒｖｅｌ株式会社 [", dateText, "]"))));
    if (PageNumberPlaceOf(print.pageNumberPos) == PageNumberPlace::foot)
        Add("F2", Runs(Plain(Cat(print.pageText))));
}

} // namespace

const SheetItem *SheetContent::Find(const std::string &label) const {
    for (const SheetItem &item : items)
        if (item.label == label)
            return &item;
    return nullptr;
}

std::string VerdictMessage(const CheckVerdicts &v) {
    std::string message;
    ComposeVerdictMessage(v, [&message](std::string_view piece) { message += piece; });
    return message;
}

std::string CentredVerdictMessage(const std::string &message) {
    return std::string(static_cast<size_t>(CentringSpaces(message)), ' ') + message;
}

void AppendJoinedRuns(std::span<const Run> runs, std::string &out) {
    for (const Run &run : runs) {
        if (run.kind == RunKind::Fraction) {
            AppendJoinedRuns(run.fraction->numerator, out);
            AppendJoinedRuns(run.fraction->denominator, out);
        } else {
            out += run.text;
        }
    }
}

std::string JoinRuns(std::span<const Run> runs) {
    std::string out;
    AppendJoinedRuns(runs, out);
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
    const DesignCase &rec = in.record;
    Case c{rec,
           in.result,
           EvaluateChecks(rec, in.result),
           rec.shoringCode != code::kShoringNone,
           rec.deckFamily == code::kFamilyRidge && rec.thicknessCode == code::kThickness07,
           rec.deckFamily == code::kFamilyPx && rec.deckModel == code::kModelPx75Valpha,
           rec.alphaClass == code::kClassSteel,
           in.target,
           GeneralText(CeilToDigits(CeilDigits::kIntegerDigitsPlusOne, in.result.totalLoad)),
           GeneralText(in.result.effectiveSpan / 100)};
    SheetContent content;
    content.items.reserve(64);
    Builder b(c, content);
    if (in.target == SheetTarget::kPrinter)
        b.Header(in.print);
    b.BlockA();
    b.BlockB();
    b.BlockCD();
    b.Heading();
    if (c.shored)
        b.Bearing();
    b.Bending();
    b.Deflection();
    if (c.betaCase)
        b.MaximumSpan();
    b.Notes();
    b.Closing(in.print, in.dateText);

    content.shored = c.shored;
    content.betaCase = c.betaCase;
    content.highStrength = c.highStrength;
    content.steelBeams = c.steelBeams;
    content.target = in.target;
    content.pageNumberPos = in.print.pageNumberPos;
    return content;
}

} // namespace korvane
