#include "core/NumberDigits.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korvane {

namespace {

// The digits and the point of a number text as {fmt} writes it: "123.45", "1e+20",
// "1.5e-07", "1000000000000000" (no sign).
DecimalDigits ReadDigits(const char *text, const char *end) {
    DecimalDigits d;
    int pointAt = 0;
    bool seenPoint = false;
    bool leading = true;
    const char *p = text;
    for (; p < end && *p != 'e'; ++p) {
        if (*p == '.') {
            seenPoint = true;
            continue;
        }
        if (leading && *p == '0') {
            if (seenPoint)
                --pointAt; // a zero after the point and before the first digit
            continue;
        }
        leading = false;
        if (d.count < static_cast<int>(sizeof d.digit))
            d.digit[d.count++] = *p;
        if (!seenPoint)
            ++pointAt;
    }
    if (p < end) { // the exponent: "e+20", "e-07"
        const bool negative = p + 1 < end && p[1] == '-';
        int exponent = 0;
        for (const char *q = p + 2; q < end; ++q)
            exponent = exponent * 10 + (*q - '0');
        pointAt += negative ? -exponent : exponent;
    }
    while (d.count > 0 && d.digit[d.count - 1] == '0')
        --d.count;
    d.pointAt = d.count == 0 ? 0 : pointAt;
    return d;
}

} // namespace

DecimalDigits ShortestDigits(double value) {
    char text[64];
    const char *end = fmt::format_to_n(text, sizeof text, "{}", std::fabs(value)).out;
    DecimalDigits d = ReadDigits(text, end);
    d.negative = std::signbit(value);
    return d;
}

DecimalDigits RoundedDigits(double value, int significant) {
    char text[64];
    const char *end =
        fmt::format_to_n(text, sizeof text, "{:.{}e}", std::fabs(value), significant - 1).out;
    DecimalDigits d = ReadDigits(text, end);
    d.negative = std::signbit(value);
    return d;
}

std::string RoundTripText(double value) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    const DecimalDigits d = ShortestDigits(value);
    std::string sign = d.negative ? "-" : "";
    if (d.count == 0)
        return sign + "0";
    const int k = d.count;
    const int n = d.pointAt;
    // Fixed: the digits with the point placed, zeros filling either side.
    std::string fixed;
    if (n <= 0) {
        fixed =
            "0." + std::string(static_cast<size_t>(-n), '0') + std::string(d.digit, d.digit + k);
    } else if (n >= k) {
        // A whole number is written with all its digits, the exact value's (as %.0f), not
        // the shortest digits followed by zeros.
        fixed = fmt::format("{:.0f}", std::fabs(value));
    } else {
        fixed = std::string(d.digit, d.digit + n) + "." + std::string(d.digit + n, d.digit + k);
    }
    // Scientific: d.ddd e±XX, at least two exponent digits.
    std::string scientific(1, d.digit[0]);
    if (k > 1)
        scientific += "." + std::string(d.digit + 1, d.digit + k);
    const int exponent = n - 1;
    scientific += exponent < 0 ? "e-" : "e+";
    const std::string magnitude = std::to_string(std::abs(exponent));
    if (magnitude.size() < 2)
        scientific += '0';
    scientific += magnitude;
    return sign + (scientific.size() < fixed.size() ? scientific : fixed);
}

} // namespace korvane
