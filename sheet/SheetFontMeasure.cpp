#include "sheet/SheetFontMeasure.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace korvane {

namespace {

struct FontAdvance {
    char16_t character;
    std::uint16_t units;
};

#include "SheetFontAdvances.inc"

// The advance of a character the font does not map: a full-width character's, one em.
constexpr std::uint16_t kMissingAdvance = kSheetFontUnitsPerEm;

std::uint16_t AdvanceUnits(char32_t c) {
    const auto *end = std::end(kSheetFontAdvances);
    const auto *found =
        std::lower_bound(std::begin(kSheetFontAdvances), end, c,
                         [](const FontAdvance &a, char32_t key) { return a.character < key; });
    return found != end && found->character == c ? found->units : kMissingAdvance;
}

// The next character of a UTF-8 text; a stray byte stands for itself.
char32_t NextCharacter(const std::string &text, std::size_t &i) {
    const auto byte = [&](std::size_t k) {
        return k < text.size() ? static_cast<unsigned char>(text[k]) & 0x3F : 0;
    };
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0xF0) {
        const char32_t c = (lead & 0x07) << 18 | byte(i + 1) << 12 | byte(i + 2) << 6 | byte(i + 3);
        i += 4;
        return c;
    }
    if (lead >= 0xE0) {
        const char32_t c = (lead & 0x0F) << 12 | byte(i + 1) << 6 | byte(i + 2);
        i += 3;
        return c;
    }
    if (lead >= 0xC0) {
        const char32_t c = (lead & 0x1F) << 6 | byte(i + 1);
        i += 2;
        return c;
    }
    ++i;
    return lead;
}

// FreeType's scaling of an unhinted advance: the scale from font units to 1/64 pixel in
// 16.16 fixed point, rounded; the linear advance in 16.16 pixels, rounded; the advance the
// desktop's font engine takes from it in 1/64 pixel, cut toward zero.
std::int64_t Advance64(std::uint16_t units, std::int64_t scale) {
    const std::int64_t linear = (units * scale + 32) / 64;
    return linear >> 10;
}

} // namespace

int SheetFontTextWidth(const std::string &text, int pixelSize) {
    const std::int64_t scale =
        (static_cast<std::int64_t>(pixelSize) * 64 * 65536 + kSheetFontUnitsPerEm / 2) /
        kSheetFontUnitsPerEm;
    std::int64_t width64 = 0;
    for (std::size_t i = 0; i < text.size();)
        width64 += Advance64(AdvanceUnits(NextCharacter(text, i)), scale);
    return static_cast<int>((width64 + 32) / 64);
}

} // namespace korvane
