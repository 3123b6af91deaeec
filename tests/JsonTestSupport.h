#pragma once
// Reading JSON in tests: korvane-calc's lines and the draw log, parsed with the same
// library that writes them, and printed as JSON text when an expectation fails.
//
// Compare numbers and booleans through GetInt(), GetDouble() and GetBool(): RapidJSON 1.1's
// == between a value and a number recurses without end under C++20's rewritten operators.
// Texts compare with == as they are.

#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace rapidjson {

inline void PrintTo(const Value &value, std::ostream *os) {
    StringBuffer text;
    Writer<StringBuffer> writer(text);
    value.Accept(writer);
    *os << text.GetString();
}

} // namespace rapidjson

namespace korvane::test {

// One document; a text that is not JSON fails the test.
inline rapidjson::Document ParseJson(const std::string &text) {
    rapidjson::Document document;
    // Full precision: the default parse may miss the last bit of a round-trip number.
    document.Parse<rapidjson::kParseFullPrecisionFlag>(text.c_str(), text.size());
    EXPECT_FALSE(document.HasParseError()) << "not JSON: " << text;
    return document;
}

// One document per line.
inline std::vector<rapidjson::Document> JsonLines(const std::string &text) {
    std::vector<rapidjson::Document> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(ParseJson(line));
    return lines;
}

} // namespace korvane::test
