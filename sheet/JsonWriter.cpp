#include "sheet/JsonWriter.h"

#include "core/NumberDigits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace korvane {

JsonFixedText::JsonFixedText(std::string_view text) {
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    writer.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
    m_written.assign(buffer.GetString(), buffer.GetSize());
}

namespace {

// The text of a finite value, laid out from its shortest digits.
std::string_view TextFromDigits(double value, char (&buffer)[32]) {
    char *out = buffer;
    auto put = [&out](const char *from, int count) {
        std::memcpy(out, from, static_cast<std::size_t>(count));
        out += count;
    };
    auto zeros = [&out](int count) {
        std::memset(out, '0', static_cast<std::size_t>(count));
        out += count;
    };
    const DecimalDigits d = ShortestDigits(value);
    const int k = d.count;
    const int n = d.pointAt;
    if (d.negative)
        *out++ = '-';
    if (k == 0) { // zero
        put("0.0", 3);
    } else if (k <= n && n <= 15) { // whole: 24000.0
        put(d.digit, k);
        zeros(n - k);
        put(".0", 2);
    } else if (0 < n && n <= 15) { // 3.6726562499999997
        put(d.digit, n);
        *out++ = '.';
        put(d.digit + n, k - n);
    } else if (-4 < n && n <= 0) { // 0.00012
        put("0.", 2);
        zeros(-n);
        put(d.digit, k);
    } else { // 1.5e+20, 1e-05
        *out++ = d.digit[0];
        if (k > 1) {
            *out++ = '.';
            put(d.digit + 1, k - 1);
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

} // namespace

std::string_view JsonNumberText(double value, char (&buffer)[32]) {
    if (!std::isfinite(value))
        return "null";
    return TextFromDigits(value, buffer);
}

void JsonWriter::Number(double value) {
    if (!std::isfinite(value)) {
        m_writer.Null();
        return;
    }
    char buffer[32];
    const std::string_view text = JsonNumberText(value, buffer);
    Raw(text, rapidjson::kNumberType);
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
