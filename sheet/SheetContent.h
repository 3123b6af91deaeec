#pragma once
// The calculation sheet as content: an ordered list of items, each a sequence of runs
// (plain text, sub- and superscripts, fractions), built from one calculated design case.
// Nothing here draws; DrawSheet places these items on a canvas.

#include "core/Calculation.h"
#include "core/DesignCase.h"
#include "core/PrintSettings.h"

#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Where a sheet is drawn: the result window's picture (88 dpi) or the printed page.
enum class SheetTarget { kScreen = 1, kPrinter = 2 };

inline constexpr const char *kVerdictPass = "【 O.K.】";
inline constexpr const char *kVerdictFail = "【不 可】";

enum class RunKind {
    Plain,           // at the current base size, on the line
    Baseline,        // plain, but on the formula's baseline (ends a raised numerator)
    Subscript,       // 7 pt, lowered
    Superscript,     // 6 or 7 pt, raised
    HighSuperscript, // 7 pt, raised by the same amount on every target
    FlatSuperscript, // 7 pt, raised only on the screen
    Fraction,        // numerator runs over a bar over denominator runs
};

// How a fraction lines up its numerator and denominator.
enum class FractionAlign {
    None,         // both start at the fraction's left edge
    ShiftShorter, // the shorter part moves right by the byte-length difference, in mm
    Centre,       // half the difference of (length + 1), denominator written first
};

struct FractionParts;

// Texts, run lists and fractions are views: into what the SheetContent holds, or into
// static storage. They are valid while the SheetContent they came from lives.
struct Run {
    RunKind kind = RunKind::Plain;
    std::string_view text;
    int size = 0;                            // points; 0 = the current base size
    const FractionParts *fraction = nullptr; // fractions only
};

struct FractionParts {
    std::span<const Run> numerator;
    std::span<const Run> denominator;
    std::string_view numeratorAlign; // the texts whose byte lengths line the parts up
    std::string_view denominatorAlign;
    FractionAlign align = FractionAlign::None;
};

struct SheetItem {
    std::string label;         // A1, B4, E6 ...; N2 appears once per line
    std::span<const Run> runs; // empty for the D7 rule
    std::string verdict;       // kVerdictPass, kVerdictFail or empty
};

struct SheetInputs {
    DesignCase record;
    CalculationResult result;
    PrintSettings print;
    SheetTarget target = SheetTarget::kScreen;
    std::string dateText; // the footer's date, printer only
};

// The memory of the texts, run lists and fractions a sheet's items view: taken one piece
// after another and released together. A sheet takes about 8 KB, so the first block
// usually holds all; a larger piece or an overflow gets a block of its own. Never moved:
// the content holds it by pointer.
class SheetMemory {
public:
    // Room for `size` bytes aligned to `alignment` (a power of two), valid while this lives.
    void *Allocate(std::size_t size, std::size_t alignment);

private:
    static constexpr std::size_t kBlockSize = 12 * 1024;
    std::array<std::byte, kBlockSize> m_firstBlock;
    std::byte *m_next = m_firstBlock.data();
    std::byte *m_end = m_firstBlock.data() + kBlockSize;
    std::vector<std::unique_ptr<std::byte[]>> m_moreBlocks;
};

// Movable but not copyable: the items view what `memory` holds, which a move keeps in
// place and a copy would not.
struct SheetContent {
    SheetContent() = default;
    SheetContent(SheetContent &&) noexcept = default;
    SheetContent &operator=(SheetContent &&) noexcept = default;
    SheetContent(const SheetContent &) = delete;
    SheetContent &operator=(const SheetContent &) = delete;

    std::vector<SheetItem> items;
    // Flags of the case that the drawing also needs.
    bool shored = false;
    bool betaCase = false;
    bool highStrength = false;
    bool steelBeams = false;
    SheetTarget target = SheetTarget::kScreen;
    int pageNumberPos = 0;
    // Default-initialised: the first block stays unwritten until pieces are taken from it.
    std::unique_ptr<SheetMemory> memory{new SheetMemory};

    // The first item with this label, or nullptr.
    const SheetItem *Find(const std::string &label) const;
};

SheetContent BuildSheetContent(const SheetInputs &in);

// The closing verdict message without its centring spaces, and with them.
std::string VerdictMessage(const CheckVerdicts &verdicts);
std::string CentredVerdictMessage(const std::string &message);

// An item as one text: its label, all its runs joined and its verdict mark (empty when it
// has none). The D7 rule, which has no text, is left out.
struct SheetTextItem {
    std::string label;
    std::string text;
    std::string verdict;
};
std::vector<SheetTextItem> SheetTextItems(const SheetContent &content);

// All text of a run list joined, sub- and superscripts as plain characters, a fraction as
// its numerator then its denominator.
std::string JoinRuns(std::span<const Run> runs);
void AppendJoinedRuns(std::span<const Run> runs, std::string &out);

} // namespace korvane
