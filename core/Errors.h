#pragma once
// Error types of korvane. A handler that lets one of these escape gets it shown by the
// desktop program's general error display; korvane-calc prints it and exits 1.

#include <stdexcept>
#include <string>
#include <utility>

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

// A file that cannot be read or written. A failed write also carries its reason alone
// ("ディスクがいっぱいです"), for messages that name the file in their own words.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    FileError(const std::string &message, std::string reason)
        : std::runtime_error(message), m_reason(std::move(reason)) {}
    const std::string &Reason() const { return m_reason; }

private:
    std::string m_reason;
};

} // namespace korvane
