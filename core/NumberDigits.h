#pragma once
// The decimal digits of a double, from {fmt}: the shortest digits that read back as the
// same value (Dragonbox), and plain texts built from them. {fmt} gives the same digits on
// every platform and compiler the program is built with, including the browser build,
// whose C++ library converts no floating-point value to text.

#include <string>
#include <string_view>

namespace korvane {

// A finite value's decimal digits: |value| = 0.d₁d₂…d_count × 10^pointAt.
struct DecimalDigits {
    bool negative = false;
    char digit[24] = {};
    int count = 0;   // digits held, without trailing zeros: none for a zero value
    int pointAt = 0; // digits before the point; zero or less for values below 1

    // The digit at a place counted from the first significant one; zero past those held.
    char At(int place) const { return place >= 0 && place < count ? digit[place] : '0'; }
};

// The shortest text that reads back as the value, as {fmt} writes it (the value must be
// finite): plain from 0.0001 to below 10¹⁶ ("24", "0.7", "1000000000000000"), with an
// exponent of at least two digits outside ("1e-05", "-1.5e+20"). At most 24 characters.
std::string_view ShortestText(double value, char (&buffer)[32]);

// The fewest digits that read back as the value (the value must be finite).
DecimalDigits ShortestDigits(double value);

// The value correctly rounded to `significant` digits (1 to 17; the value must be finite).
DecimalDigits RoundedDigits(double value, int significant);

// The shortest text that reads back as the value, in fixed or scientific notation,
// whichever is shorter (fixed on a tie): 111, 0.7, 1e+20, 1.5e-07. "inf", "-inf", "nan" for
// a value that is not finite.
std::string RoundTripText(double value);

} // namespace korvane
