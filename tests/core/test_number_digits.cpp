// The shortest and the rounded digits of a double, and the round-trip text built from them,
// which the main window shows for a catalogue weight and the deck tables for a weight.
#include "core/NumberDigits.h"
#include "tests/RandomDoubles.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

namespace korvane {
namespace {

TEST(RoundTripText, TakesTheShorterOfFixedAndScientific) {
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {111.0, "111"},
        {0.7, "0.7"},
        {-2.5, "-2.5"},
        {0.0, "0"},
        {-0.0, "-0"},
        {123456.0, "123456"},
        {1e15, "1e+15"},
        {1e20, "1e+20"},
        {1234e10, "1.234e+13"},
        {1.5e-7, "1.5e-07"},
        {0.0001, "1e-04"},
        {0.00012, "0.00012"},
        {5e-324, "5e-324"},
        {1e100, "1e+100"},
        {0x1p60, "1152921504606846976"},
        {0.1 + 0.2, "0.30000000000000004"},
        {100.0, "100"},
        {1000.0, "1000"},
        {10000.0, "10000"},
        {std::numeric_limits<double>::infinity(), "inf"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RoundTripText(c.value), c.text) << c.value;
}

TEST(DecimalDigits, RoundsToTheDigitsAsked) {
    const DecimalDigits d = RoundedDigits(2.675, 3); // 2.67499999… in binary
    EXPECT_EQ(std::string(d.digit, d.digit + d.count), "267");
    EXPECT_EQ(d.pointAt, 1);
    const DecimalDigits e = RoundedDigits(-0.000999999, 2);
    EXPECT_TRUE(e.negative);
    EXPECT_EQ(std::string(e.digit, e.digit + e.count), "1");
    EXPECT_EQ(e.pointAt, -2);
}

// Random doubles of every magnitude and short decimals: the text reads back as the value,
// and where the C++ library converts doubles itself, it is the library's text.
TEST(RoundTripText, ReadsBackAndAgreesWithTheLibrary) {
    RandomDoubles values(20261210);
    for (int i = 0; i < 200000; ++i) {
        const double value = values.Next();
        const std::string text = RoundTripText(value);
        ASSERT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
#if defined(__cpp_lib_to_chars)
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        ASSERT_EQ(text, std::string(buffer, result.ptr));
#endif
    }
}

} // namespace
} // namespace korvane
