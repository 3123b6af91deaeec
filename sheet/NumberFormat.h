#pragma once
// The number texts of the calculation sheet. Every figure the engineer signs passes through
// one of these, so each follows a single, exactly defined rule. The digits come from
// {fmt}, which converts the exact binary value alike on every platform.

#include <string>
#include <string_view>

namespace korvane {

// The value rounded to 15 significant digits, in plain decimal notation (never an
// exponent), without trailing zeros and without a point when whole: 0.7, 24000, 1.25.
std::string GeneralText(double value);

// Fixed-point text after a pattern such as "###.#", "#####" or "#0.##": the value rounded
// to 15 significant digits, then half away from zero to the pattern's decimals; '#' shows
// a digit only where it is significant, '0' always shows one; no point when no decimal
// digit follows it.
std::string PatternText(double value, std::string_view pattern);

// What C's "%<width>.<decimals>f" writes for the value.
std::string FixedText(double value, int decimals, int width = 0);

// What C's "%g" writes for the value.
std::string ShortestText(double value);

// What C's "%<width>d" writes for the value.
std::string IntText(int value, int width = 0);

// C formatted output of one value ("%3.1f", "%4.2f", "%g", "%4d", ...).
std::string FormatPrintf(const char *format, double value);
std::string FormatPrintf(const char *format, int value);

// The text preceded by spaces up to 6 bytes of code page 932.
std::string Pad6(std::string_view text);

} // namespace korvane
