#pragma once
// Whole data files: reading a file into lines and turning lines into the bytes to save.

#include "core/DesignCase.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Reads the whole file and splits it into UTF-8 lines (see DecodeFileText). `path` is the
// file's name as bytes, whatever their encoding. Only a regular file of at most
// kDataFileByteCap bytes is read (see ReadSmallRegularFile); otherwise, or when it cannot
// be read, throws FileError with a Japanese message naming the file.
std::vector<std::string> LoadDataFileLines(const std::string &path);

// A data file as the open command reads it: its lines, the design case they give and the
// warnings about lines that did not read or were missing (see DesignCase::ReadLines).
struct DataFileCase {
    std::vector<std::string> lines;
    DesignCase record;
    std::vector<std::string> warnings;
};

// Loads and reads the data file at `path`. Throws FileError when it cannot be loaded and
// ConversionError when its unit-weight line does not read, each naming the file (and the
// line).
DataFileCase ReadDataFile(const std::string &path);

// The one message after an open that lists what the file did not give or the inputs cannot
// show as it gives it (`warnings`), naming the file (readable UTF-8, see DisplayPath).
std::string ReadingWarningsText(std::string_view fileName,
                                const std::vector<std::string> &warnings);

// The lines of an already-read file.
std::vector<std::string> DataFileLinesFromBytes(std::string_view bytes);

// The bytes of a data file: each line as code page 932 followed by CR LF.
std::string DataFileBytes(const std::vector<std::string> &lines);

} // namespace korvane
