#pragma once
// Reading a text as a whole number: an optional sign and decimal digits, with spaces
// allowed in front only (a tab is not one). Anything else, or a value outside signed
// 32 bits, does not read.

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvane {

std::optional<std::int32_t> ReadWholeNumber(std::string_view text);

// The value, or `fallback` when the text does not read as a whole number.
std::int32_t ReadWholeNumberOr(std::string_view text, std::int32_t fallback);

// Whether the text has the form of a whole number (blanks in front, an optional sign,
// at least one digit, nothing after) whatever its size: such a text that does not read
// holds a value beyond 32 bits.
bool HasWholeNumberForm(std::string_view text);

// The value; throws ConversionError quoting the text (cut short) when it does not read.
std::int32_t ReadWholeNumberOrThrow(std::string_view text);

} // namespace korvane
