#include "sheet/NumberFormat.h"

#include "core/TextCodec.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace korvane {

namespace {

// A finite value's 15 significant decimal digits, correctly rounded, and where the decimal
// point falls: |value| = 0.d₁d₂…d₁₅ × 10^pointAt.
struct Digits {
    bool negative = false;
    char digit[24];
    int count = 0;   // digits held, without trailing zeros: none for a zero value
    int pointAt = 0; // digits before the point; zero or less for values below 1

    // The digit at a place counted from the first significant one; zero past those held.
    char At(int place) const { return place >= 0 && place < count ? digit[place] : '0'; }
};

// The mantissa digits and the exponent of a "d.ddde±XX" text; returns the digit count.
int ParseScientific(const char *p, const char *end, char *digits, int &exponent) {
    int count = 0;
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.')
            digits[count++] = *p;
    ++p; // the 'e'
    const bool minus = *p == '-';
    int e = 0;
    for (++p; p < end; ++p)
        e = e * 10 + (*p - '0');
    exponent = minus ? -e : e;
    return count;
}

// x·p − n for a normal x, a power of ten p ≤ 10⁶ and a whole n next to x·p, rounded only at
// the end: x splits into 33 high significant bits and the rest, so that both parts times p
// are exact, as is the difference of the high product from the close n. (An fma would do
// the same, but without an fma instruction it is a slow library call.)
double ScaledResidual(double x, double p, double n) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    bits &= ~((std::uint64_t{1} << 20) - 1);
    double high;
    std::memcpy(&high, &bits, sizeof high);
    const double low = x - high;
    return (high * p - n) + low * p;
}

// Most of the sheet's values are short decimals, or lie within a few units of the last
// place of one: D = n / 10^k with a whole n of at most 15 digits. D is the value correctly
// rounded to 15 digits when the value lies closer to D than half a unit of the 15th digit;
// the distance, x·10^k − n, is held against 0.4 of that half unit, which leaves ample room
// for its one rounding.
bool ShortDecimalDigits(double magnitude, Digits &d) {
    static constexpr double kPowers[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    // Half a unit of the 15th digit of an L-digit whole, less the margin: 0.4 · 10^(L−15).
    static constexpr double kTolerance[] = {4e-16, 4e-15, 4e-14, 4e-13, 4e-12, 4e-11, 4e-10, 4e-9,
                                            4e-8,  4e-7,  4e-6,  4e-5,  4e-4,  4e-3,  4e-2,  4e-1};
    if (!(magnitude >= DBL_MIN && magnitude < 1e15))
        return false;
    for (int k = 0; k < 7; ++k) {
        const double scaled = magnitude * kPowers[k];
        if (scaled >= 1e15 - 1)
            return false;
        const auto whole = static_cast<std::uint64_t>(scaled + 0.5); // the nearest whole
        if (whole == 0)
            continue;
        std::uint64_t n = whole;
        int zeros = 0;
        for (; n % 10 == 0; n /= 10)
            ++zeros;
        char reversed[16];
        int length = 0;
        for (; n != 0; n /= 10)
            reversed[length++] = static_cast<char>('0' + n % 10);
        // A power of ten may hold a value just below it, where the digits are ten times
        // finer: the tolerance is then that of one digit less.
        const int wholeDigits = length + zeros;
        const double tolerance =
            kTolerance[length == 1 && reversed[0] == '1' ? wholeDigits - 1 : wholeDigits];
        if (std::fabs(ScaledResidual(magnitude, kPowers[k], static_cast<double>(whole))) >
            tolerance)
            continue;
        for (int i = 0; i < length; ++i)
            d.digit[i] = reversed[length - 1 - i];
        d.count = length;
        d.pointAt = wholeDigits - k;
        return true;
    }
    return false;
}

Digits ToDigits(double value) {
    Digits d;
    d.negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (ShortDecimalDigits(magnitude, d))
        return d;
    char text[64];
    char mantissa[24];
    int exponent = 0;
    // The shortest text that reads back as the value. When it has at most 15 digits it is
    // also the value correctly rounded to 15 digits: a normal double lies closer to it than
    // half a unit of the 15th digit. Longer ones, and subnormal values, are rounded again
    // from the exact binary value, as printf's "%.14e" does.
    const char *end =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific).ptr;
    int count = ParseScientific(text, end, mantissa, exponent);
    if (count > 15 || (magnitude != 0 && magnitude < DBL_MIN)) {
        end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14)
                  .ptr;
        count = ParseScientific(text, end, mantissa, exponent);
    }
    while (count > 0 && mantissa[count - 1] == '0')
        --count;
    std::copy(mantissa, mantissa + count, d.digit);
    d.count = count;
    d.pointAt = exponent + 1;
    return d;
}

const char *NonFinite(double value) {
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

void WriteGeneral(double value, NumberText &text) {
    if (!std::isfinite(value)) {
        text.Append(NonFinite(value));
        return;
    }
    const Digits d = ToDigits(value);
    const int significant = d.count;
    if (significant == 0) { // zero, also a negative zero
        text.Append('0');
        return;
    }
    const int p = d.pointAt;
    if (d.negative)
        text.Append('-');
    if (p <= 0) {
        text.Append('0');
    } else {
        const int held = std::min(p, significant);
        text.Append(std::string_view(d.digit, static_cast<size_t>(held)));
        text.Append('0', static_cast<size_t>(p - held));
    }
    if (p < significant) {
        text.Append('.');
        if (p < 0)
            text.Append('0', static_cast<size_t>(-p));
        const int from = std::max(p, 0);
        text.Append(std::string_view(d.digit + from, static_cast<size_t>(significant - from)));
    }
}

void WritePattern(double value, std::string_view pattern, NumberText &text) {
    if (!std::isfinite(value)) {
        text.Append(NonFinite(value));
        return;
    }
    const size_t point = pattern.find('.');
    const std::string_view wholePattern = pattern.substr(0, point);
    const std::string_view fractionPattern =
        point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
    const size_t decimals = fractionPattern.size();
    const size_t firstZero = wholePattern.find('0');
    const size_t minWhole =
        firstZero == std::string_view::npos ? 0 : wholePattern.size() - firstZero;
    const size_t lastZero = fractionPattern.rfind('0');
    const size_t minFraction = lastZero == std::string_view::npos ? 0 : lastZero + 1;

    const Digits d = ToDigits(value);
    const int p = d.pointAt;
    const size_t whole = static_cast<size_t>(std::max(p, 0));
    // The whole digits and the pattern's decimals, after one spare place for a carry.
    const size_t length = 1 + whole + decimals;
    char local[128];
    std::string spill;
    char *a = local;
    if (length > sizeof local) {
        spill.resize(length);
        a = spill.data();
    }
    a[0] = '0';
    for (size_t i = 0; i < whole; ++i)
        a[1 + i] = d.At(static_cast<int>(i));
    for (size_t j = 0; j < decimals; ++j)
        a[1 + whole + j] = d.At(p + static_cast<int>(j));
    // Round half away from zero at the pattern's last decimal: the digits are magnitudes.
    if (d.At(p + static_cast<int>(decimals)) >= '5') {
        size_t i = length - 1;
        while (i > 0 && a[i] == '9')
            a[i--] = '0';
        ++a[i]; // a[0] takes the carry out of the whole part
    }

    const bool zero = std::all_of(a, a + length, [](char c) { return c == '0'; });
    size_t wholeStart = 0;
    while (wholeStart < 1 + whole && a[wholeStart] == '0')
        ++wholeStart;
    const size_t wholeLength = 1 + whole - wholeStart;
    size_t fractionLength = decimals;
    while (fractionLength > minFraction && a[whole + fractionLength] == '0')
        --fractionLength;

    if (d.negative && !zero)
        text.Append('-');
    if (wholeLength < minWhole)
        text.Append('0', minWhole - wholeLength);
    text.Append(std::string_view(a + wholeStart, wholeLength));
    if (wholeLength == 0 && minWhole == 0 && fractionLength == 0)
        text.Append('0'); // a zero is written, never an empty text
    if (fractionLength > 0) {
        text.Append('.');
        text.Append(std::string_view(a + 1 + whole, fractionLength));
    }
}

} // namespace

void NumberText::Spill(std::string_view piece) {
    if (m_long.empty())
        m_long.assign(m_inline, m_size);
    m_long += piece;
}

NumberText GeneralText(double value) {
    NumberText text;
    WriteGeneral(value, text);
    return text;
}

std::string FormatGeneral(double value) {
    return GeneralText(value).String();
}

NumberText PatternText(double value, std::string_view pattern) {
    NumberText text;
    WritePattern(value, pattern, text);
    return text;
}

std::string FormatPattern(double value, std::string_view pattern) {
    return PatternText(value, pattern).String();
}

NumberText FixedText(double value, int decimals, int width) {
    NumberText text;
    const Digits d = ToDigits(value);
    const int p = d.pointAt;
    // The place of the first digit cut off; the digits up to it are the value's own only
    // within the 15, and a 15-digit tail of exactly one half may hide which side of the
    // half the binary value lies on. Such values, and negative and non-finite ones, take
    // the C library's exact conversion.
    const int cut = p + decimals;
    bool exactHalf = d.At(cut) == '5';
    for (int i = cut + 1; exactHalf && i < 15; ++i)
        exactHalf = d.At(i) == '0';
    if (!std::isfinite(value) || d.negative || decimals < 0 || decimals > 20 || cut >= 15 ||
        exactHalf) {
        char format[16];
        std::snprintf(format, sizeof format, "%%%d.%df", width, decimals);
        char buf[400];
        std::snprintf(buf, sizeof buf, format, value);
        text.Append(buf);
        return text;
    }
    // The digits that stay, after one spare place for a carry; half rounds up, a tail
    // below half down, as the exact conversion does for such values.
    const int whole = std::max(p, 1);
    const int length = 1 + whole + decimals;
    char a[64];
    a[0] = '0';
    for (int i = 0; i < whole; ++i)
        a[1 + i] = d.At(i - (whole - p));
    for (int j = 0; j < decimals; ++j)
        a[1 + whole + j] = d.At(p + j);
    if (d.At(cut) >= '5') {
        int i = length - 1;
        while (i > 0 && a[i] == '9')
            a[i--] = '0';
        ++a[i];
    }
    const int start = a[0] == '0' ? 1 : 0;
    const int shown = whole + 1 - start + (decimals > 0 ? 1 + decimals : 0);
    if (shown < width)
        text.Append(' ', static_cast<size_t>(width - shown));
    text.Append(std::string_view(a + start, static_cast<size_t>(whole + 1 - start)));
    if (decimals > 0) {
        text.Append('.');
        text.Append(std::string_view(a + 1 + whole, static_cast<size_t>(decimals)));
    }
    return text;
}

NumberText ShortestText(double value) {
    // A whole value of at most six digits is written as such by "%g"; others go through
    // the C library.
    if (std::fabs(value) < 1e6 && value == static_cast<double>(static_cast<int>(value)) &&
        !(value == 0 && std::signbit(value)))
        return IntText(static_cast<int>(value));
    NumberText text;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", value);
    text.Append(buf);
    return text;
}

NumberText IntText(int value, int width) {
    char buf[16];
    const char *end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    const auto length = static_cast<int>(end - buf);
    NumberText text;
    if (length < width)
        text.Append(' ', static_cast<size_t>(width - length));
    text.Append(std::string_view(buf, static_cast<size_t>(length)));
    return text;
}

std::string FormatPrintf(const char *format, double value) {
    char buf[128];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

std::string FormatPrintf(const char *format, int value) {
    char buf[128];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

std::string Pad6(std::string_view text) {
    const size_t length = Cp932ByteLength(text);
    std::string padded(length < 6 ? 6 - length : 0, ' ');
    padded += text;
    return padded;
}

} // namespace korvane
