#include "sheet/NumberFormat.h"

#include "core/TextCodec.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace korvane {

namespace {

// A finite value as its 15 significant decimal digits split at the decimal point.
struct DecimalDigits {
    bool negative = false;
    std::string whole;    // digits before the point, may be empty
    std::string fraction; // digits after the point, may be empty
};

DecimalDigits ToDigits(double value) {
    DecimalDigits d;
    d.negative = std::signbit(value);
    char buf[64];
    // "d.dddddddddddddde±XX", correctly rounded like printf's "%.14e" but much faster.
    const auto end = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(value),
                                   std::chars_format::scientific, 14)
                         .ptr;
    *end = '\0';
    char digits[15];
    digits[0] = buf[0];
    std::copy(buf + 2, buf + 16, digits + 1);
    const int exponent = std::atoi(buf + 17);
    const int pointAt = exponent + 1; // digits before the point
    const std::string_view all(digits, sizeof digits);
    if (pointAt <= 0) {
        d.fraction.assign(static_cast<size_t>(-pointAt), '0');
        d.fraction += all;
    } else if (pointAt >= static_cast<int>(all.size())) {
        d.whole = all;
        d.whole.append(static_cast<size_t>(pointAt) - all.size(), '0');
    } else {
        d.whole = all.substr(0, static_cast<size_t>(pointAt));
        d.fraction = all.substr(static_cast<size_t>(pointAt));
    }
    return d;
}

void StripLeadingZeros(std::string &s, size_t keep) {
    size_t n = 0;
    while (n < s.size() && s[n] == '0' && s.size() - n > keep)
        ++n;
    s.erase(0, n);
}

void StripTrailingZeros(std::string &s, size_t keep) {
    while (s.size() > keep && s.back() == '0')
        s.pop_back();
}

// Adds one unit in the last place of whole+fraction; a carry out of the whole part
// prepends a digit.
void IncrementLastPlace(DecimalDigits &d) {
    for (auto it = d.fraction.rbegin(); it != d.fraction.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    for (auto it = d.whole.rbegin(); it != d.whole.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    d.whole.insert(d.whole.begin(), '1');
}

bool AllZeros(const std::string &s) {
    return s.find_first_not_of('0') == std::string::npos;
}

std::string NonFinite(double value) {
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

} // namespace

std::string FormatGeneral(double value) {
    if (!std::isfinite(value))
        return NonFinite(value);
    DecimalDigits d = ToDigits(value);
    StripLeadingZeros(d.whole, 1);
    if (d.whole.empty())
        d.whole = "0";
    StripTrailingZeros(d.fraction, 0);
    std::string text;
    if (d.negative && !(AllZeros(d.whole) && d.fraction.empty()))
        text += '-';
    text += d.whole;
    if (!d.fraction.empty())
        text += '.' + d.fraction;
    return text;
}

std::string FormatPattern(double value, std::string_view pattern) {
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

    DecimalDigits d = ToDigits(value);
    // Round half away from zero at the pattern's last decimal: the digits are magnitudes.
    const bool roundUp = d.fraction.size() > decimals && d.fraction[decimals] >= '5';
    if (d.fraction.size() > decimals)
        d.fraction.resize(decimals);
    d.fraction.append(decimals - d.fraction.size(), '0');
    if (roundUp)
        IncrementLastPlace(d);

    const bool zero = AllZeros(d.whole) && AllZeros(d.fraction);
    StripLeadingZeros(d.whole, 0);
    if (d.whole.size() < minWhole)
        d.whole.insert(0, minWhole - d.whole.size(), '0');
    StripTrailingZeros(d.fraction, minFraction);
    if (d.whole.empty() && d.fraction.empty())
        d.whole = "0"; // a zero is written, never an empty text

    std::string text;
    if (d.negative && !zero)
        text += '-';
    text += d.whole;
    if (!d.fraction.empty())
        text += '.' + d.fraction;
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

std::string Pad6(const std::string &text) {
    const size_t length = Cp932ByteLength(text);
    return length < 6 ? std::string(6 - length, ' ') + text : text;
}

} // namespace korvane
