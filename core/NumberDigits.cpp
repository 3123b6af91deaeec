#include "core/NumberDigits.h"

#include <fmt/compile.h>
#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

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

std::string_view ShortestText(double value, char (&buffer)[32]) {
    // The longest is 24 characters: "-2.2250738585072014e-308".
    const char *end = fmt::format_to(buffer, FMT_COMPILE("{}"), value);
    return {buffer, static_cast<std::size_t>(end - buffer)};
}

DecimalDigits ShortestDigits(double value) {
    DecimalDigits d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d; // a zero has no digits
    // Not a value a caller may give: the digits of its text, as they always were.
    if (!std::isfinite(value)) {
        char buffer[32];
        const std::string_view text = ShortestText(std::fabs(value), buffer);
        d = ReadDigits(text.data(), text.data() + text.size());
        d.negative = std::signbit(value);
        return d;
    }
    // The digits {fmt} writes for "{}" are those of its Dragonbox significand and exponent.
    // Taking them from there spares laying a text out and reading it back for every number
    // of a sheet and of korvane-calc's JSON. Dragonbox sits in {fmt}'s detail namespace;
    // every build (Linux, Windows, the browser) compiles the same {fmt} headers.
    const auto decimal = fmt::detail::dragonbox::to_decimal(std::fabs(value));
    const char *end = std::to_chars(d.digit, d.digit + sizeof d.digit, decimal.significand).ptr;
    d.count = static_cast<int>(end - d.digit);
    int exponent = decimal.exponent;
    while (d.count > 1 && d.digit[d.count - 1] == '0') {
        --d.count;
        ++exponent;
    }
    d.pointAt = d.count + exponent;
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
    std::string text = d.negative ? "-" : "";
    if (d.count == 0)
        return text + "0";
    const int k = d.count;
    const int n = d.pointAt;
    const int exponent = n - 1;
    const int exponentDigits = std::abs(exponent) >= 100 ? 3 : 2;
    const int scientificLength = (k > 1 ? k + 1 : 1) + 2 + exponentDigits;
    // A whole number is written with all its digits, the exact value's (as %.0f), not the
    // shortest digits followed by zeros; below 2^53 the two are the same, since no other
    // whole number lies within half a unit of the value there.
    const bool whole = n >= k;
    const bool wholeBeyondDigits = whole && std::fabs(value) >= 9007199254740992.0;
    const std::string exactWhole =
        wholeBeyondDigits ? fmt::format("{:.0f}", std::fabs(value)) : std::string();
    const int fixedLength = n <= 0              ? 2 - n + k
                            : wholeBeyondDigits ? static_cast<int>(exactWhole.size())
                            : whole             ? n
                                                : k + 1;
    const auto digits = [&d](int from, int to) {
        return std::string_view(d.digit + from, to - from);
    };
    if (scientificLength < fixedLength) { // d.ddd e±XX, at least two exponent digits
        text += d.digit[0];
        if (k > 1) {
            text += '.';
            text += digits(1, k);
        }
        text += exponent < 0 ? "e-" : "e+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (n <= 0) { // the digits with the point placed, zeros filling either side
        text += "0.";
        text.append(static_cast<std::size_t>(-n), '0');
        text += digits(0, k);
    } else if (wholeBeyondDigits) {
        text += exactWhole;
    } else if (whole) {
        text += digits(0, k);
        text.append(static_cast<std::size_t>(n - k), '0');
    } else {
        text += digits(0, n);
        text += '.';
        text += digits(n, k);
    }
    return text;
}

} // namespace korvane
