// The JSON writer behind korvane-calc's lines and the draw log: the number texts other
// tools have always read from it, numbers that read back exactly, and escaped texts.

#include "sheet/JsonWriter.h"
#include "tests/RandomDoubles.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace korvane {
namespace {

struct NumberCase {
    double value;
    const char *text;
};

void PrintTo(const NumberCase &c, std::ostream *os) {
    *os << c.text;
}

class JsonNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(JsonNumber, WritesTheKnownText) {
    char buffer[32];
    EXPECT_EQ(JsonNumberText(GetParam().value, buffer), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, JsonNumber,
    testing::Values(
        // Whole values keep a point, plain decimals up to 15 whole digits.
        NumberCase{24.0, "24.0"}, NumberCase{24000.0, "24000.0"}, NumberCase{0.7, "0.7"},
        NumberCase{123456789012345.0, "123456789012345.0"}, NumberCase{0.0, "0.0"},
        NumberCase{-0.0, "-0.0"}, NumberCase{-24.0, "-24.0"},
        NumberCase{999999999999999.9, "999999999999999.9"},
        // Sixteen whole digits take an exponent, with or without a fraction.
        NumberCase{1234567890123456.2, "1.2345678901234562e+15"},
        NumberCase{-9999999999999998.0, "-9.999999999999998e+15"},
        // As many digits as reading back needs, and no more.
        NumberCase{3.6726562499999997, "3.6726562499999997"},
        NumberCase{180.92000000000002, "180.92000000000002"},
        NumberCase{0.1 + 0.2, "0.30000000000000004"},
        // Exponents below 0.0001 and from 10¹⁵, with at least two digits.
        NumberCase{0.0001, "0.0001"}, NumberCase{0.00012, "0.00012"}, NumberCase{1e-5, "1e-05"},
        NumberCase{-2.5e-7, "-2.5e-07"}, NumberCase{1e15, "1e+15"}, NumberCase{1.5e20, "1.5e+20"},
        NumberCase{1e100, "1e+100"}, NumberCase{5e-324, "5e-324"},
        NumberCase{std::numeric_limits<double>::max(), "1.7976931348623157e+308"}));

TEST(JsonNumber, EveryFiniteValueReadsBackExactly) {
    std::mt19937_64 bits(20261210);
    char buffer[32];
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t pattern = bits();
        double value;
        std::memcpy(&value, &pattern, sizeof value);
        if (!std::isfinite(value))
            continue;
        const std::string text(JsonNumberText(value, buffer));
        const double back = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text;
    }
}

// The digits are {fmt}'s shortest ones, laid out as it lays them out below 10¹⁵ (a whole
// value with ".0" added) and with its exponent outside: random values of every magnitude
// and short decimals such as a sheet's.
TEST(JsonNumber, AgreesWithTheLibrarysShortestText) {
    RandomDoubles values(20261211);
    char buffer[32];
    for (int i = 0; i < 200000; ++i) {
        const double value = values.Next();
        std::string expected = fmt::format("{}", value);
        const std::size_t mark = expected.find_first_of(".e");
        const bool exponent = mark != std::string::npos && expected[mark] == 'e';
        const std::size_t wholeDigits =
            std::min(mark, expected.size()) - (expected[0] == '-' ? 1 : 0);
        if (!exponent && wholeDigits > 15)
            continue; // sixteen whole digits take an exponent here: the table above
        if (mark == std::string::npos)
            expected += ".0";
        ASSERT_EQ(JsonNumberText(value, buffer), expected);
    }
}

TEST(JsonWriter, WritesCompactDocumentsLineByLine) {
    JsonWriter json;
    json.StartObject();
    json.Key("x");
    json.Int(-12);
    json.Key("stress");
    json.Number(180.92);
    json.Key("none");
    json.Number(std::numeric_limits<double>::quiet_NaN()); // JSON has no NaN
    json.Key("passes");
    json.Bool(true);
    json.Key("checks");
    json.StartArray();
    json.Null();
    json.EndArray();
    json.EndObject();
    json.EndLine();
    json.StartArray();
    json.Number(std::numeric_limits<double>::infinity());
    json.EndArray();
    json.EndLine();
    EXPECT_EQ(json.Text(), "{\"x\":-12,\"stress\":180.92,\"none\":null,\"passes\":true,"
                           "\"checks\":[null]}\n[null]\n");
    json.Clear();
    json.String("次");
    EXPECT_EQ(json.Text(), "\"次\"");
}

TEST(JsonWriter, EscapesOnlyWhatJsonRequires) {
    JsonWriter json;
    json.String("物件名：\"本館\" \\ 別館/\t\r\n\b\f\x01\x1f\x7f end");
    EXPECT_EQ(json.Text(),
              "\"物件名：\\\"本館\\\" \\\\ 別館/\\t\\r\\n\\b\\f\\u0001\\u001F\x7f end\"");
}

// Keys and values escaped once and copied on every use: the same bytes as escaping them
// each time, with the commas and colons in the same places, in objects and arrays, first
// and later, after numbers and nested values.
TEST(JsonWriter, FixedTextsWriteWhatPlainTextsWrite) {
    const JsonFixedText awkward("物件名：\"本館\" \\ 別館/\t\n\x01 end");
    const JsonFixedText empty("");
    const auto document = [](JsonWriter &json, auto key, auto value) {
        json.StartObject();
        key("name");
        value(0);
        key("list");
        json.StartArray();
        value(0);
        json.Number(1.5);
        value(1);
        json.StartObject();
        json.EndObject();
        value(1);
        json.EndArray();
        key("awkward");
        value(1);
        json.EndObject();
        json.EndLine();
        value(0); // a document of its own
        json.EndLine();
    };
    JsonWriter plain;
    document(
        plain, [&](std::string_view key) { plain.Key(key); },
        [&](int which) { plain.String(which ? "物件名：\"本館\" \\ 別館/\t\n\x01 end" : ""); });
    JsonWriter fixed;
    document(
        fixed,
        [&](std::string_view key) {
            key == "name"   ? fixed.Key(FixedText<"name">())
            : key == "list" ? fixed.Key(FixedText<"list">())
                            : fixed.Key(FixedText<"awkward">());
        },
        [&](int which) { fixed.String(which ? awkward : empty); });
    EXPECT_EQ(fixed.Text(), plain.Text());
    EXPECT_EQ(&FixedText<"name">(), &FixedText<"name">()); // made once
}

} // namespace
} // namespace korvane
