#pragma once
// Reading a text as a whole number: an optional sign and decimal digits, with blanks
// allowed in front only. Anything else, or a value outside signed 32 bits, does not read.

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvane {

std::optional<std::int32_t> ReadWholeNumber(std::string_view text);

// The value, or `fallback` when the text does not read as a whole number.
std::int32_t ReadWholeNumberOr(std::string_view text, std::int32_t fallback);

// The value; throws ConversionError naming the text when it does not read.
std::int32_t ReadWholeNumberOrThrow(std::string_view text);

} // namespace korvane
