#include "core/WholeNumber.h"

#include "core/Errors.h"
#include "core/FileReading.h"

#include <limits>

namespace korvane {

namespace {

// Only the space character counts as a blank before the digits: a tab makes the text
// unreadable, so that a line holding one takes the reading default (and its warning).
bool IsBlank(char c) {
    return c == ' ';
}

} // namespace

std::optional<std::int32_t> ReadWholeNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size())
        return std::nullopt;
    // Accumulate as a negative number so that the lowest 32-bit value still reads.
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 - (c - '0');
        if (value < lowest)
            return std::nullopt;
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

bool HasWholeNumberForm(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    if (pos == text.size())
        return false;
    for (; pos < text.size(); ++pos)
        if (text[pos] < '0' || text[pos] > '9')
            return false;
    return true;
}

std::int32_t ReadWholeNumberOr(std::string_view text, std::int32_t fallback) {
    return ReadWholeNumber(text).value_or(fallback);
}

std::int32_t ReadWholeNumberOrThrow(std::string_view text) {
    if (auto value = ReadWholeNumber(text))
        return *value;
    throw ConversionError("'" + ShortQuote(text) + "' は有効な整数値ではありません。");
}

} // namespace korvane
