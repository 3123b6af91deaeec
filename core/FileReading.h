#pragma once
// Reading a small file safely, and naming files and quoting texts in messages.
//
// A data file is a few hundred bytes. Whatever path a user gives, reading it must neither
// block (a FIFO without a writer), nor run without end (/dev/zero), nor take the memory of
// a huge file: only regular files are read, the open never waits, and no more than the cap
// is ever read.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

// The largest file accepted as a data file: far above any real one.
inline constexpr std::size_t kDataFileByteCap = std::size_t{1} << 20;

// The whole content of the regular file at `path` (its bytes as given, whatever their
// encoding). Throws FileError with a Japanese message naming the file when it cannot be
// opened, is not a regular file, is larger than `cap` bytes, or fails while being read.
std::string ReadSmallRegularFile(const std::string &path, std::size_t cap = kDataFileByteCap);

// The message of a file that cannot be read: the file named (see DisplayPath) and the reason.
std::string UnreadableFileMessage(std::string_view pathBytes, std::string_view reason);

// A path's bytes as readable UTF-8 for messages and captions: UTF-8 as it is, otherwise
// read as Shift-JIS (names made on Japanese Windows), undecodable bytes as "?".
std::string DisplayPath(std::string_view pathBytes);

// A UTF-8 text cut to at most `maxCharacters` characters ("…" marks the cut), with
// control characters shown as "?", so that a quoted line stays readable in a message.
std::string ShortQuote(std::string_view utf8, std::size_t maxCharacters = 24);

// The file name the save command proposes: the name (without folder) of the file last
// saved or opened, with its extension made .fdt, or "Data.fdt" when there was none.
std::string ProposedSaveName(std::string_view lastFileName);

// Whether the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

} // namespace korvane
