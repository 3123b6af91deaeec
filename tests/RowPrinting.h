#pragma once
// Prints a row of a table-driven test as its fields, so that a failing row reads
// `{name: "span999", typed: "999", check: 3}` rather than as bytes. Each row struct gets
//   void PrintTo(const Row &row, std::ostream *os) { PrintRow(os, "name", row.name, ...); }
// beside it; GoogleTest finds it by the struct's namespace. Needs no layer of the program, so
// that every layer's tests can use it.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace korvane {

namespace row_printing {

template <class T> void PrintValue(std::ostream *os, const T &value) {
    *os << testing::PrintToString(value);
}

// Texts as they read, quoted: Japanese stays legible (GoogleTest would print its bytes in
// hex); quotes, backslashes and control characters are escaped.
inline void PrintValue(std::ostream *os, std::string_view text) {
    *os << '"';
    for (const char c : text) {
        if (c == '"' || c == '\\')
            *os << '\\' << c;
        else if (static_cast<unsigned char>(c) < 0x20)
            *os << "\\x"
                << "0123456789ABCDEF"[c >> 4] << "0123456789ABCDEF"[c & 15];
        else
            *os << c;
    }
    *os << '"';
}

inline void PrintValue(std::ostream *os, const std::string &text) {
    PrintValue(os, std::string_view(text));
}

inline void PrintValue(std::ostream *os, const char *text) {
    if (text)
        PrintValue(os, std::string_view(text));
    else
        *os << "null";
}

template <class T> void PrintValue(std::ostream *os, const std::optional<T> &value) {
    if (value)
        PrintValue(os, *value);
    else
        *os << "none";
}

inline void PrintFields(std::ostream *) {}

template <class T, class... Rest>
void PrintFields(std::ostream *os, const char *label, const T &value, const Rest &...rest) {
    *os << ", " << label << ": ";
    PrintValue(os, value);
    PrintFields(os, rest...);
}

} // namespace row_printing

// `{label: value, ...}` for label, value pairs; the first pair is printed without a comma.
template <class T, class... Rest>
void PrintRow(std::ostream *os, const char *label, const T &value, const Rest &...rest) {
    *os << '{' << label << ": ";
    row_printing::PrintValue(os, value);
    row_printing::PrintFields(os, rest...);
    *os << '}';
}

} // namespace korvane
