#include "sheet/NumberFormat.h"

#include "core/NumberDigits.h"
#include "core/TextCodec.h"

#include <fmt/format.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>

namespace korvane {

namespace {

// A finite value's 15 significant decimal digits, correctly rounded. The shortest digits
// that read back as the value are those digits when there are at most 15 of them: a normal
// double lies closer to them than half a unit of the 15th digit. Longer ones, and subnormal
// values, are rounded to 15 digits from the exact binary value.
DecimalDigits ToDigits(double value) {
    if (value == 0) {
        DecimalDigits zero;
        zero.negative = std::signbit(value);
        return zero;
    }
    const DecimalDigits shortest = ShortestDigits(value);
    if (shortest.count <= 15 && std::fabs(value) >= DBL_MIN)
        return shortest;
    return RoundedDigits(value, 15);
}

const char *NonFinite(double value) {
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// Spaces before the text up to `width` characters, as C's field width pads.
std::string PaddedTo(int width, std::string_view text) {
    std::string padded(text.size() < static_cast<size_t>(std::max(width, 0))
                           ? static_cast<size_t>(width) - text.size()
                           : 0,
                       ' ');
    padded += text;
    return padded;
}

} // namespace

std::string GeneralText(double value) {
    if (!std::isfinite(value))
        return NonFinite(value);
    const DecimalDigits d = ToDigits(value);
    const int significant = d.count;
    if (significant == 0) // zero, also a negative zero
        return "0";
    const int p = d.pointAt;
    std::string text;
    if (d.negative)
        text += '-';
    if (p <= 0) {
        text += '0';
    } else {
        const int held = std::min(p, significant);
        text.append(d.digit, static_cast<size_t>(held));
        text.append(static_cast<size_t>(p - held), '0');
    }
    if (p < significant) {
        text += '.';
        if (p < 0)
            text.append(static_cast<size_t>(-p), '0');
        const int from = std::max(p, 0);
        text.append(d.digit + from, static_cast<size_t>(significant - from));
    }
    return text;
}

std::string PatternText(double value, std::string_view pattern) {
    if (!std::isfinite(value))
        return NonFinite(value);
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

    const DecimalDigits d = ToDigits(value);
    const int p = d.pointAt;
    const size_t whole = static_cast<size_t>(std::max(p, 0));
    // The whole digits and the pattern's decimals, after one spare place for a carry.
    std::string a(1 + whole + decimals, '0');
    for (size_t i = 0; i < whole; ++i)
        a[1 + i] = d.At(static_cast<int>(i));
    for (size_t j = 0; j < decimals; ++j)
        a[1 + whole + j] = d.At(p + static_cast<int>(j));
    // Round half away from zero at the pattern's last decimal: the digits are magnitudes.
    if (d.At(p + static_cast<int>(decimals)) >= '5') {
        size_t i = a.size() - 1;
        while (i > 0 && a[i] == '9')
            a[i--] = '0';
        ++a[i]; // a[0] takes the carry out of the whole part
    }

    const bool zero = a.find_first_not_of('0') == std::string::npos;
    size_t wholeStart = 0;
    while (wholeStart < 1 + whole && a[wholeStart] == '0')
        ++wholeStart;
    const size_t wholeLength = 1 + whole - wholeStart;
    size_t fractionLength = decimals;
    while (fractionLength > minFraction && a[whole + fractionLength] == '0')
        --fractionLength;

    std::string text;
    if (d.negative && !zero)
        text += '-';
    if (wholeLength < minWhole)
        text.append(minWhole - wholeLength, '0');
    text.append(a, wholeStart, wholeLength);
    if (wholeLength == 0 && minWhole == 0 && fractionLength == 0)
        text += '0'; // a zero is written, never an empty text
    if (fractionLength > 0) {
        text += '.';
        text.append(a, 1 + whole, fractionLength);
    }
    return text;
}

std::string FixedText(double value, int decimals, int width) {
    if (decimals < 0 || decimals > 60 || !std::isfinite(value)) { // beyond what a sheet asks
        char printed[512];
        std::snprintf(printed, sizeof printed, "%*.*f", width, decimals, value);
        return printed;
    }
    return PaddedTo(width, fmt::format("{:.{}f}", value, decimals));
}

std::string ShortestText(double value) {
    return fmt::format("{:g}", value);
}

std::string IntText(int value, int width) {
    return PaddedTo(width, fmt::format("{}", value));
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
