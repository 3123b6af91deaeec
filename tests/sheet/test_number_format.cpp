// Number texts of the sheet: each row is one value, its format and the exact text.
#include "sheet/NumberFormat.h"

#include "tests/RowPrinting.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace korvane {
namespace {

struct GeneralCase {
    const char *name;
    double value;
    const char *text;
};

void PrintTo(const GeneralCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "value", row.value, "text", row.text);
}

class GeneralFormat : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralFormat, WritesPlainDecimal) {
    EXPECT_EQ(GeneralText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralFormat,
    testing::Values(GeneralCase{"Fraction", 0.7, "0.7"}, GeneralCase{"Whole", 24000, "24000"},
                    GeneralCase{"TwoDecimals", 1.25, "1.25"}, GeneralCase{"Small", 3, "3"},
                    GeneralCase{"FiveDecimals", 0.83334, "0.83334"},
                    GeneralCase{"BinaryNoiseRoundedAway", 0.1 + 0.2, "0.3"},
                    GeneralCase{"ProductNoise", 24 * 1000.0, "24000"},
                    GeneralCase{"TinyWithoutExponent", 1e-7, "0.0000001"},
                    GeneralCase{"HugeWithoutExponent", 1.5e17, "150000000000000000"},
                    GeneralCase{"FifteenDigits", 123456789.123456789, "123456789.123457"},
                    GeneralCase{"UnitsOffAShortDecimal", 45.230000000000004, "45.23"},
                    GeneralCase{"JustBelowAPowerOfTen", 999.9999999999999, "1000"},
                    GeneralCase{"SixteenDigitsKept", 0.1234567890123456, "0.123456789012346"},
                    GeneralCase{"Negative", -2.5, "-2.5"}, GeneralCase{"NegativeZero", -0.0, "0"},
                    GeneralCase{"Zero", 0.0, "0"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GeneralFormat, LongPlainDecimalsAreWrittenInFull) {
    EXPECT_EQ(GeneralText(1e-60), "0." + std::string(59, '0') + "1");
    EXPECT_EQ(GeneralText(-1234.5678e100), "-12345678" + std::string(96, '0'));
    // A subnormal value: its 15 digits come from the exact binary value, not from "5e-324".
    EXPECT_EQ(GeneralText(5e-324), "0." + std::string(323, '0') + "494065645841247");
}

struct PatternCase {
    const char *name;
    double value;
    const char *pattern;
    const char *text;
};

void PrintTo(const PatternCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "value", row.value, "pattern", row.pattern, "text", row.text);
}

class PatternFormat : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternFormat, RoundsHalfAwayFromZero) {
    EXPECT_EQ(PatternText(GetParam().value, GetParam().pattern), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PatternFormat,
    testing::Values(PatternCase{"WholeDropsPoint", 111, "###.#", "111"},
                    PatternCase{"OneDecimal", 20.3, "###.#", "20.3"},
                    PatternCase{"HalfUp", 20.25, "###.#", "20.3"},
                    PatternCase{"DecimalHalfNotBinaryHalf", 1.15, "###.#", "1.2"},
                    PatternCase{"CarryIntoWhole", 99.95, "###.#", "100"},
                    PatternCase{"NegativeHalfAway", -1.25, "###.#", "-1.3"},
                    PatternCase{"LeadingHashShowsNoZero", 0.5, "###.#", ".5"},
                    PatternCase{"ZeroIsWritten", 0, "###.#", "0"},
                    PatternCase{"TwoDecimals", 18.88, "#0.##", "18.88"},
                    PatternCase{"TwoDecimalsTrimmed", 11.9, "#0.##", "11.9"},
                    PatternCase{"ZeroPlaceholder", 0.05, "#0.##", "0.05"},
                    PatternCase{"DecimalHalfTwoPlaces", 2.675, "#0.##", "2.68"},
                    PatternCase{"NoDecimals", 9800, "######", "9800"},
                    PatternCase{"NoDecimalsHalfUp", 4700.5, "#####", "4701"},
                    PatternCase{"NoDecimalsBelowHalf", 4700.49, "#####", "4700"},
                    PatternCase{"WiderThanPattern", 1234567, "#####", "1234567"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PatternFormat, ManyDecimalsAreAllWritten) {
    EXPECT_EQ(PatternText(123.456, "0000000000." + std::string(130, '0')),
              "0000000123.456" + std::string(127, '0'));
}

struct FixedCase {
    const char *name;
    double value;
    int decimals;
    int width;
    const char *text;
};

void PrintTo(const FixedCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "value", row.value, "decimals", row.decimals, "width", row.width,
             "text", row.text);
}

class FixedFormat : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedFormat, WritesWhatPrintfWrites) {
    const FixedCase &c = GetParam();
    EXPECT_EQ(FixedText(c.value, c.decimals, c.width), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FixedFormat,
    testing::Values(FixedCase{"OneDecimal", 1.5, 1, 3, "1.5"},
                    FixedCase{"PaddedToWidth", 123.456, 0, 4, " 123"},
                    FixedCase{"TwoDecimals", 1.25, 2, 4, "1.25"},
                    FixedCase{"ExactHalfToEven", 0.25, 1, 3, "0.2"},
                    FixedCase{"BinaryBelowHalf", 0.35, 1, 3, "0.3"},
                    FixedCase{"BinaryBelowHalfTwoPlaces", 2.675, 2, 4, "2.67"},
                    FixedCase{"BinaryAboveHalf", 0.05, 1, 3, "0.1"},
                    FixedCase{"CarryIntoWhole", 0.96, 1, 3, "1.0"},
                    FixedCase{"CarryAddsADigit", 9.96, 1, 3, "10.0"},
                    FixedCase{"Negative", -1.25, 1, 3, "-1.2"}, FixedCase{"Zero", 0.0, 1, 3, "0.0"},
                    FixedCase{"BeyondFifteenDigits", 1e20, 1, 3, "100000000000000000000.0"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ShortestText, WritesWhatPercentGWrites) {
    EXPECT_EQ(ShortestText(2500.0), "2500");
    EXPECT_EQ(ShortestText(-1250.0), "-1250");
    EXPECT_EQ(ShortestText(999999.0), "999999");
    EXPECT_EQ(ShortestText(1e6), "1e+06");
    EXPECT_EQ(ShortestText(1234567.0), "1.23457e+06");
    EXPECT_EQ(ShortestText(1250.5), "1250.5");
    EXPECT_EQ(ShortestText(0.0001), "0.0001");
    EXPECT_EQ(ShortestText(0.0), "0");
    EXPECT_EQ(ShortestText(-0.0), "-0");
}

// The C library is the reference for the C conversions, and for the 15 digits of the
// general text: ordinary sheet values (short decimals and the noise of arithmetic on them)
// and arbitrary doubles.
std::vector<double> ValuesToCompare() {
    std::mt19937_64 random(20261210);
    std::uniform_int_distribution<long> digits(0, 10'000'000);
    std::uniform_int_distribution<int> places(0, 6);
    static constexpr double kScale[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    std::vector<double> values;
    for (int i = 0; i < 20000; ++i) {
        const double a = digits(random) / kScale[places(random)];
        const double b = (digits(random) + 1) / kScale[places(random)];
        values.insert(values.end(), {a, -a, a * b, a / b, a * 0.125 + b / 3});
        const std::uint64_t pattern = random();
        double arbitrary;
        std::memcpy(&arbitrary, &pattern, sizeof arbitrary);
        if (std::isfinite(arbitrary))
            values.push_back(arbitrary);
    }
    return values;
}

std::string Printed(const char *format, double value) {
    char text[512];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

TEST(NumberTexts, AgreeWithTheCLibrary) {
    for (const double value : ValuesToCompare()) {
        ASSERT_EQ(FixedText(value, 1, 3), Printed("%3.1f", value));
        ASSERT_EQ(FixedText(value, 2, 4), Printed("%4.2f", value));
        ASSERT_EQ(ShortestText(value), Printed("%g", value));
        // The general text holds the digits of "%.14e" with the trailing zeros cut.
        const std::string general = GeneralText(value);
        std::string expected = Printed("%.14e", std::fabs(value));
        expected = expected.substr(0, expected.find('e'));
        expected.erase(1, 1); // the point
        expected.erase(expected.find_last_not_of('0') + 1);
        std::string held;
        for (const char c : general)
            if (c >= '0' && c <= '9')
                held += c;
        held.erase(0, held.find_first_not_of('0'));
        held.erase(held.find_last_not_of('0') + 1);
        ASSERT_EQ(held, expected) << value << " written " << general;
        ASSERT_EQ(std::strtod(general.c_str(), nullptr),
                  std::strtod(Printed("%.14e", value).c_str(), nullptr))
            << value;
    }
}

TEST(IntText, WritesWhatPercentDWrites) {
    EXPECT_EQ(IntText(980, 4), " 980");
    EXPECT_EQ(IntText(2420, 4), "2420");
    EXPECT_EQ(IntText(123456, 4), "123456");
    EXPECT_EQ(IntText(-5, 4), "  -5");
    EXPECT_EQ(IntText(0), "0");
}

TEST(Pad6, FillsToSixBytesOfCodePage932) {
    EXPECT_EQ(Pad6("3231"), "  3231");
    EXPECT_EQ(Pad6("123456"), "123456");
    EXPECT_EQ(Pad6("1234567"), "1234567");
    EXPECT_EQ(Pad6("１２"), "  １２"); // full-width digits count two bytes each
    EXPECT_EQ(Pad6(""), "      ");
}

TEST(Printf, FollowsTheCConversion) {
    EXPECT_EQ(FormatPrintf("(C=%3.1f)", 1.5), "(C=1.5)");
    EXPECT_EQ(FormatPrintf("β=%4.2f", 1.25), "β=1.25");
    EXPECT_EQ(FormatPrintf("Lmax=%4dmm", 980), "Lmax= 980mm");
    EXPECT_EQ(FormatPrintf("%g", 2500.0), "2500");
    EXPECT_EQ(FormatPrintf("%g", 1234567.0), "1.23457e+06");
}

TEST(NonFinite, IsNamedNotPrintedAsDigits) {
    EXPECT_EQ(GeneralText(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(PatternText(std::numeric_limits<double>::quiet_NaN(), "###.#"), "NAN");
}

} // namespace
} // namespace korvane
