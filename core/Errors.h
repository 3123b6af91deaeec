#pragma once
// Error types of korvane. A handler that lets one of these escape gets it shown by the
// desktop program's general error display; korvane-calc prints it and exits 1.

#include <stdexcept>
#include <string>

namespace korvane {

// What both programs say when a command runs out of memory.
inline constexpr const char *kOutOfMemoryText =
    "メモリが不足しています。他のプログラムを終了してから、もう一度実行して下さい。";

// A text that must be a whole number is not one (the unit-weight line of a data file,
// the work-load field with one to three digits).
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that cannot be read or written.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace korvane
