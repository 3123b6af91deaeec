#pragma once
// The number texts of the calculation sheet. Every figure the engineer signs passes through
// one of these, so each follows a single, exactly defined rule.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

// A number's text, kept inside the object for the usual short texts so that composing a
// line costs no heap allocation; longer texts (plain decimals of huge or tiny values) spill
// into a string.
class NumberText {
public:
    NumberText() = default;
    NumberText(const NumberText &other) { Append(other.View()); }
    NumberText &operator=(const NumberText &other) {
        if (this != &other) {
            Clear();
            Append(other.View());
        }
        return *this;
    }

    std::string_view View() const {
        return m_long.empty() ? std::string_view(m_inline, m_size) : std::string_view(m_long);
    }
    operator std::string_view() const { return View(); }
    std::string String() const { return std::string(View()); }

    void Append(std::string_view piece) {
        if (m_long.empty() && m_size + piece.size() <= kInline) {
            for (char c : piece)
                m_inline[m_size++] = c;
            return;
        }
        Spill(piece);
    }
    void Append(char c, std::size_t count = 1) {
        if (m_long.empty() && m_size + count <= kInline) {
            for (std::size_t i = 0; i < count; ++i)
                m_inline[m_size++] = c;
            return;
        }
        Spill(std::string(count, c));
    }
    void Clear() {
        m_size = 0;
        m_long.clear();
    }

private:
    void Spill(std::string_view piece);

    static constexpr std::size_t kInline = 48;
    char m_inline[kInline];
    std::size_t m_size = 0;
    std::string m_long; // used instead of m_inline once the text outgrows it
};

// The value rounded to 15 significant digits, in plain decimal notation (never an
// exponent), without trailing zeros and without a point when whole: 0.7, 24000, 1.25.
std::string FormatGeneral(double value);
NumberText GeneralText(double value);

// Fixed-point text after a pattern such as "###.#", "#####" or "#0.##": rounded half away
// from zero to the pattern's decimals; '#' shows a digit only where it is significant, '0'
// always shows one; no point when no decimal digit follows it.
std::string FormatPattern(double value, std::string_view pattern);
NumberText PatternText(double value, std::string_view pattern);

// What C's "%<width>.<decimals>f" writes for the value, without the C library's cost for
// the usual values.
NumberText FixedText(double value, int decimals, int width = 0);

// What C's "%g" and "%<width>d" write for the value, without the C library for the usual
// values.
NumberText ShortestText(double value);
NumberText IntText(int value, int width = 0);

// C formatted output of one value ("%3.1f", "%4.2f", "%g", "%4d", ...).
std::string FormatPrintf(const char *format, double value);
std::string FormatPrintf(const char *format, int value);

// The text preceded by spaces up to 6 bytes of code page 932.
std::string Pad6(std::string_view text);

} // namespace korvane
