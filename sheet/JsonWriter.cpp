#include "sheet/JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace korvane {

namespace {

// Where a shortest text in scientific form puts its digits: "-1.2345e+02" holds the digits
// 12345 and the point after 3 of them.
struct ShortestDigits {
    bool negative = false;
    char digits[20];
    int count = 0;
    int pointAt = 0; // digits before the decimal point; zero or less below 1
};

ShortestDigits Shortest(double value) {
    char text[32];
    const char *end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    ShortestDigits d;
    const char *p = text;
    d.negative = *p == '-';
    if (d.negative)
        ++p;
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.')
            d.digits[d.count++] = *p;
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    d.pointAt = exponent + 1;
    return d;
}

} // namespace

std::string_view JsonNumberText(double value, char (&buffer)[32]) {
    if (!std::isfinite(value))
        return "null";
    char *out = buffer;
    auto put = [&out](const char *from, int count) {
        std::memcpy(out, from, static_cast<std::size_t>(count));
        out += count;
    };
    auto zeros = [&out](int count) {
        std::memset(out, '0', static_cast<std::size_t>(count));
        out += count;
    };
    if (value == 0) {
        put(std::signbit(value) ? "-0.0" : "0.0", std::signbit(value) ? 4 : 3);
        return {buffer, static_cast<std::size_t>(out - buffer)};
    }
    const ShortestDigits d = Shortest(value);
    const int k = d.count;
    const int n = d.pointAt;
    if (d.negative)
        *out++ = '-';
    if (k <= n && n <= 15) { // whole: 24000.0
        put(d.digits, k);
        zeros(n - k);
        put(".0", 2);
    } else if (0 < n && n <= 15) { // 3.6726562499999997
        put(d.digits, n);
        *out++ = '.';
        put(d.digits + n, k - n);
    } else if (-4 < n && n <= 0) { // 0.00012
        put("0.", 2);
        zeros(-n);
        put(d.digits, k);
    } else { // 1.5e+20, 1e-05
        *out++ = d.digits[0];
        if (k > 1) {
            *out++ = '.';
            put(d.digits + 1, k - 1);
        }
        const int exponent = n - 1;
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            *out++ = '0';
        out = std::to_chars(out, buffer + sizeof buffer, magnitude).ptr;
    }
    return {buffer, static_cast<std::size_t>(out - buffer)};
}

void JsonWriter::Number(double value) {
    if (!std::isfinite(value)) {
        m_writer.Null();
        return;
    }
    char buffer[32];
    const std::string_view text = JsonNumberText(value, buffer);
    m_writer.RawValue(text.data(), text.size(), rapidjson::kNumberType);
}

void JsonWriter::EndLine() {
    m_buffer.Put('\n');
    m_writer.Reset(m_buffer);
}

void JsonWriter::Clear() {
    m_buffer.Clear();
    m_writer.Reset(m_buffer);
}

} // namespace korvane
