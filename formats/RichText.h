#pragma once
// Readers of what the program loads besides data files, with no window code: the rich-text
// summary and the help pictures. This header holds what the rich-text reader gives: the
// summary as paragraphs of formatted runs, ready for a window to show.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

enum class TextAlignment { Left, Centre, Right, Justify };
enum class VerticalPosition { Normal, Sub, Super };

// Character formatting of a run.
struct RichTextStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0;                  // font size in half points; 0 = the shown default
    std::optional<std::uint32_t> colour; // 0xRRGGBB; none = the default text colour
    VerticalPosition position = VerticalPosition::Normal;

    bool operator==(const RichTextStyle &) const = default;
};

// Paragraph formatting; lengths in twips (1/1440 inch).
struct ParagraphStyle {
    TextAlignment alignment = TextAlignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;

    bool operator==(const ParagraphStyle &) const = default;
};

struct RichTextRun {
    std::string text; // UTF-8
    RichTextStyle style;

    bool operator==(const RichTextRun &) const = default;
};

struct RichTextParagraph {
    // Both are empty only for the first paragraph while nothing has formatted it: it then
    // keeps the shown default.
    std::optional<ParagraphStyle> style;
    std::optional<RichTextStyle> markStyle; // the style of the paragraph's own mark
    std::vector<RichTextRun> runs;

    bool operator==(const RichTextParagraph &) const = default;
};

struct RichText {
    // True when the bytes were not rich text: each paragraph is then one line of plain text.
    bool plain = false;
    std::vector<RichTextParagraph> paragraphs;
};

} // namespace korvane
